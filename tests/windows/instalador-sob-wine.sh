#!/usr/bin/env bash
# The Windows installer, run silently under wine: it installs exactly the zip's files (and its
# uninstaller), registers itself for removal, and its uninstaller takes everything away again.
#   tests/windows/instalador-sob-wine.sh INSTALADOR ZIP WINEPREFIX
set -euo pipefail
instalador=$(realpath "$1")
zip=$(realpath "$2")
export WINEPREFIX=$(realpath "$3")
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
unset WINEPATH

falha() { echo "instalador-sob-wine: $*" >&2; exit 1; }
destino='C:\quorvane-teste-instalador'
pasta=$WINEPREFIX/drive_c/quorvane-teste-instalador
chave='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane'
rm -rf "$pasta"

# /D= comes last and unquoted, as NSIS wants it.
wine "$instalador" /S "/D=$destino" || falha "a instalação falhou ($?)"
esperados=$(cmake -E tar tf "$zip" | sed -n 's|^[^/]*/||p' | grep -v '/$' | grep -v '^$' | sort)
instalados=$(cd "$pasta" && find . -type f ! -name Uninstall.exe | sed 's|^\./||' | sort)
[ "$esperados" = "$instalados" ] || { diff <(echo "$esperados") <(echo "$instalados") >&2 || true; falha "os arquivos instalados não são os do zip"; }
wine reg query "$chave" /v UninstallString >/dev/null 2>&1 || falha "a desinstalação não foi registrada"

# _?= keeps the uninstaller in place and waits for it; only it may remain.
wine "$pasta/Uninstall.exe" /S "_?=$destino" || falha "a desinstalação falhou ($?)"
restantes=$(cd "$pasta" && find . ! -name . ! -name Uninstall.exe)
[ -z "$restantes" ] || falha "a desinstalação deixou: $restantes"
! wine reg query "$chave" >/dev/null 2>&1 || falha "a desinstalação deixou o registro"
rm -rf "$pasta"
echo "instalador: $(echo "$instalados" | wc -l) arquivos instalados e removidos"
