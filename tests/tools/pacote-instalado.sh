#!/usr/bin/env bash
# pacote-instalado.sh CPACK BUILD RAIZ
# Builds the Debian package of BUILD into a temporary folder, unpacks it into a scratch root
# (dpkg-deb -x, nothing installed on the machine) and runs the installed programs from there, each
# through its link in usr/bin, reading the Config.ini beside it.
set -euo pipefail
cpack=$1
build=$2
raiz=$3
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
falha() { echo "$*" >&2; exit 1; }

"$cpack" -G DEB -B "$pasta/pacote" --config "$build/CPackConfig.cmake" > "$pasta/cpack.log" 2>&1 ||
  { cat "$pasta/cpack.log" >&2; falha "cpack falhou"; }
deb=$(ls "$pasta"/pacote/quorvane_*.deb)
r=$pasta/raiz
dpkg-deb -x "$deb" "$r"
dpkg-deb -e "$deb" "$pasta/controle"

depende=$(dpkg-deb -f "$deb" Depends)
# The client of this release and its own engine; libxlsxwriter by its library's package name.
case "$(. /etc/os-release && echo "${VERSION_ID:-}")" in
  12) pacotes=(libfbclient2 firebird3.0-server-core libqt6widgets6 libxlsxwriter4 libglib2.0-bin) ;;
  *) pacotes=(libfbclient2 firebird4.0-server-core libqt6widgets6 libxlsxwriter8 libglib2.0-bin) ;;
esac
for p in "${pacotes[@]}"; do
  grep -qw "$p" <<<"$depende" || falha "Depends sem $p: $depende"
done
grep -q -- '-dev\b' <<<"$depende" && falha "Depends com pacote de desenvolvimento: $depende"
grep -qx /etc/quorvane/Config.ini "$pasta/controle/conffiles" || falha "Config.ini não é conffile"
for f in usr/bin/quorvane usr/bin/quorvane-cli usr/share/man/man1/quorvane.1.gz usr/share/man/man1/quorvane-cli.1.gz \
    usr/share/applications/quorvane.desktop usr/share/icons/hicolor/64x64/apps/quorvane.png usr/share/doc/quorvane/copyright \
    etc/quorvane/Config.ini; do
  [ -e "$r/$f" ] || falha "falta $f"
done
[ "$("$r/usr/bin/quorvane-cli" --version)" = "quorvane-cli $(dpkg-deb -f "$deb" Version)" ] ||
  falha "--version difere da versão do pacote"

# cmake --install over an earlier installation leaves the Config.ini the user edited.
cmake=$(dirname "$cpack")/cmake
"$cmake" --install "$build" --prefix "$pasta/prefixo" > /dev/null
echo '; editado' >> "$pasta/prefixo/etc/quorvane/Config.ini"
"$cmake" --install "$build" --prefix "$pasta/prefixo" > /dev/null
grep -qx '; editado' "$pasta/prefixo/etc/quorvane/Config.ini" || falha "cmake --install sobrescreveu o Config.ini editado"

# The manual names every option the runner takes, and every format.
manual=$(zcat "$r/usr/share/man/man1/quorvane-cli.1.gz" | sed 's/\\-/-/g')
for o in $("$r/usr/bin/quorvane-cli" --help | grep -o -- '--[a-z]*' | sort -u); do
  grep -q -- "$o" <<<"$manual" || falha "o manual não fala de $o"
done
for f in text tsv csv json html; do
  grep -q "^.BR* $f\b" <<<"$manual" || falha "o manual não fala do formato $f"
done

# The programs' Config.ini is the conffile in /etc: in the scratch root, the root's own.
ligacao=$r/usr/lib/quorvane/Config.ini
[ "$(readlink "$ligacao")" = /etc/quorvane/Config.ini ] || falha "Config.ini não aponta para /etc/quorvane"
ln -sfn "$r/etc/quorvane/Config.ini" "$ligacao"
"$raiz/scripts/make-db" "$raiz/demo/erp-demo.sql" "$pasta/demo.fdb"
printf '[BANCO]\r\nCAMINHO=%s\r\nMOTOR=embutido\r\n' "$pasta/demo.fdb" > "$r/etc/quorvane/Config.ini"

# The installed runner finds what the one just built finds, byte for byte.
codigo=0
LANG=pt_BR.UTF-8 "$r/usr/bin/quorvane-cli" --format tsv > "$pasta/instalado.tsv" || codigo=$?
[ "$codigo" -eq 2 ] || falha "quorvane-cli instalado saiu com $codigo"
LANG=pt_BR.UTF-8 "$build/quorvane-cli" --config "$r/etc/quorvane/Config.ini" --format tsv > "$pasta/construido.tsv" || true
cmp "$pasta/instalado.tsv" "$pasta/construido.tsv" || falha "saídas diferentes"
[ "$(wc -l < "$pasta/instalado.tsv")" -gt 1 ] || falha "nenhum achado no banco de demonstração"

# The window program connects too, then says it has no screen.
codigo=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$r/usr/bin/quorvane" 2> "$pasta/janela.err" || codigo=$?
[ "$codigo" -eq 1 ] && grep -q "Nenhuma tela gráfica" "$pasta/janela.err" ||
  { cat "$pasta/janela.err" >&2; falha "a janela instalada não se conectou ao banco"; }
echo "pacote: $(basename "$deb") instalado e executado em $r"
