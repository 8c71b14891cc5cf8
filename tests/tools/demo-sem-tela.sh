#!/usr/bin/env bash
# demo-sem-tela.sh RAIZ BUILD BUILD_TYPE
# scripts/demo as a new user meets it on a server or in a container: no screen and the locale
# C.UTF-8. The demo's data shows in the Brazilian form, and the demo ends with 0.
set -euo pipefail
codigo=0
saida=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL LANG=C.UTF-8 \
  BUILD_DIR="$2" BUILD_TYPE="$3" "$1/scripts/demo" 2>&1) || codigo=$?
if [ "$codigo" -ne 0 ] || ! grep -q 'Data Carga Inicial: 01/01/2024' <<<"$saida" ||
    ! grep -q 'Data: 14/02/2024 CFOP: 3102 Valor: 4.320,00' <<<"$saida"; then
  echo "$saida"
  echo "scripts/demo saiu com $codigo" >&2
  exit 1
fi
