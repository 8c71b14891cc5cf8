#!/usr/bin/env bash
# The window program of the Windows package, unpacked from its zip and started under wine on a
# virtual X server, where no Firebird client (fbclient.dll) can be reached: with the Config.ini as
# shipped (CAMINHO empty) and with a database named, it shows its single error box, "Quorvane",
# with the message the Linux tests pin down, and ends with code 1 once the box is answered.
#   tests/windows/janela-sob-wine.sh ZIP WINEPREFIX PASTA
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

falha() { echo "janela-sob-wine: $*" >&2; exit 1; }

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
  # The same script again, inside the virtual X server (xvfb-run's shell passes no functions on).
  QV_DENTRO_DO_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$zip" "$WINEPREFIX" "$pasta"
fi
