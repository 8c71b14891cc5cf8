#!/usr/bin/env bash
# memcheck-cli.sh QUORVANE_CLI RAIZ
# Runs quorvane-cli over a fresh demo database under valgrind memcheck: no error in our code and
# nothing definitely lost, or the test fails.
set -euo pipefail
cli=$1
raiz=$2
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
"$raiz/scripts/make-db" "$raiz/demo/erp-demo.sql" "$pasta/demo.fdb"
printf '[BANCO]\nCAMINHO=%s\nMOTOR=embutido\n' "$pasta/demo.fdb" > "$pasta/Config.ini"
codigo=0
valgrind --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite \
  --suppressions="$raiz/tests/sanitizers/valgrind.supp" --log-file="$pasta/valgrind.log" \
  "$cli" --config "$pasta/Config.ini" --format tsv > "$pasta/saida.tsv" || codigo=$?
grep -E "ERROR SUMMARY|definitely lost" "$pasta/valgrind.log" || true
if [ "$codigo" -eq 99 ]; then
  cat "$pasta/valgrind.log"
  exit 1
fi
# The demo database has errors among its findings: exit 2, and all 42 findings plus the header.
[ "$codigo" -eq 2 ] || { echo "quorvane-cli saiu com $codigo" >&2; exit 1; }
[ "$(wc -l < "$pasta/saida.tsv")" -eq 43 ] || { echo "saída inesperada" >&2; exit 1; }
echo "memcheck: sem erros"
