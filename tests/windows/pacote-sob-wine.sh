#!/usr/bin/env bash
# The Windows package's programs, unpacked from its zip and run under wine with nothing but the
# zip's own DLLs, where no Firebird client (fbclient.dll) can be reached. The runner gives its
# version, and for the Config.ini as shipped (CAMINHO empty) says so with exit status 4. The
# window program, on a virtual X server, shows its single error box, "Quorvane", with the message
# the Linux tests pin down, for the Config.ini as shipped, for none at all and for a database
# named, and ends with code 1 once the box is answered.
#   tests/windows/pacote-sob-wine.sh ZIP WINEPREFIX PASTA
# PASTA (inside the build) receives the unpacked package, each run's error output and
# janela-erro-de-conexao.png, a picture of the second box.
set -euo pipefail
zip=$(realpath "$1")
export WINEPREFIX=$(realpath "$2")
pasta=$(realpath -m "$3")
export WINEDEBUG=-all
# No mono, gecko or menu entries: the program needs none of them.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
unset WINEPATH

falha() { echo "pacote-sob-wine: $*" >&2; exit 1; }

# Inside the virtual X server: one start of the program per case.
partida() { # NOME CAMINHO MENSAGEM [FOTO]
  local nome=$1 caminho=$2 mensagem=$3 foto=${4:-} pid janela="" codigo=0
  case "$caminho" in
    "") ;;                                  # the Config.ini as shipped
    -) rm -f "$programa/Config.ini" ;;      # none at all
    *) printf '\xEF\xBB\xBF[BANCO]\r\nCAMINHO=%s\r\n' "$caminho" > "$programa/Config.ini" ;;
  esac
  local inicio=$SECONDS
  wine "$programa/quorvane.exe" 2> "$pasta/$nome.stderr" &
  pid=$!
  for _ in $(seq 1200); do
    janela=$(xdotool search --onlyvisible --name '^Quorvane$' 2>/dev/null | head -n 1 || true)
    [ -n "$janela" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$janela" ] || { kill "$pid" 2>/dev/null || true; cat "$pasta/$nome.stderr" >&2; falha "$nome: a caixa de erro não apareceu"; }
  echo "$nome: caixa de erro em $((SECONDS - inicio)) s"
  sleep 1
  if [ -n "$foto" ]; then
    eval "$(xdotool getwindowgeometry --shell "$janela")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$foto"
  fi
  # Its only button, OK, has the focus.
  xdotool windowfocus --sync "$janela" key Return
  for _ in $(seq 600); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"; falha "$nome: o programa não terminou depois do OK"
  fi
  wait "$pid" || codigo=$?
  [ "$codigo" -eq 1 ] || { cat "$pasta/$nome.stderr" >&2; falha "$nome: código de saída $codigo, esperado 1"; }
  tr -d "\r" < "$pasta/$nome.stderr" | grep -qxF "$mensagem" || { cat "$pasta/$nome.stderr" >&2; falha "$nome: a mensagem \"$mensagem\" não saiu"; }
  ! grep -qiE "unhandled|exception|crash" "$pasta/$nome.stderr" || { cat "$pasta/$nome.stderr" >&2; falha "$nome: o programa caiu"; }
  [ -z "$(xdotool search --onlyvisible --name '^Quorvane$' 2>/dev/null || true)" ] || falha "$nome: ficou uma janela aberta"
  echo "$nome: terminou com código 1 em $((SECONDS - inicio)) s"
}

if [ "${QV_DENTRO_DO_XVFB:-}" = 1 ]; then
  programa=$(ls -d "$pasta"/quorvane-*-windows-x64)
  partida configuracao-como-vem "" "Não foi possível criar uma conexão com o banco "
  partida sem-configuracao - "Não foi possível criar uma conexão com o banco "
  partida sem-cliente 'C:\ERP\DADOS.FDB' 'Não foi possível criar uma conexão com o banco C:\ERP\DADOS.FDB' "$pasta/janela-erro-de-conexao.png"
  # The prefix's own processes end while their display is still there.
  wineserver -w
else
  rm -rf "$pasta" && mkdir -p "$pasta"
  # Wine draws the windows' title bars itself, as Windows does: a virtual X server has no window
  # manager to draw them.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
  # Debian's wine does not find its own Marlett, whose glyphs are the title bar's buttons.
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  cmake -E chdir "$pasta" cmake -E tar xf "$zip"
  programa=$(ls -d "$pasta"/quorvane-*-windows-x64)
  versao=${programa##*/quorvane-}
  versao=${versao%-windows-x64}
  saida=$(wine "$programa/quorvane-cli.exe" --version | tr -d '\r')
  [ "$saida" = "quorvane-cli $versao" ] || falha "quorvane-cli.exe --version disse \"$saida\""
  codigo=0
  (cd "$programa" && wine quorvane-cli.exe) > /dev/null 2> "$pasta/cli.stderr" || codigo=$?
  [ "$codigo" -eq 4 ] || { cat "$pasta/cli.stderr" >&2; falha "quorvane-cli.exe: código de saída $codigo, esperado 4"; }
  grep -qF 'Config.ini: CAMINHO está vazio na seção [BANCO]' "$pasta/cli.stderr" || { cat "$pasta/cli.stderr" >&2; falha "quorvane-cli.exe: a causa não saiu"; }
  echo "quorvane-cli.exe: versão $versao; Config.ini como vem: código 4"
  # The same script again, inside the virtual X server (xvfb-run's shell passes no functions on).
  QV_DENTRO_DO_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$zip" "$WINEPREFIX" "$pasta"
fi
