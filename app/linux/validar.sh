#!/usr/bin/env bash
# Runs one validator of the install set and fails on anything it reports but pedantic notes.
# Exit 77 (skipped) only when the validator is not installed.
# Usage: validar.sh <validator> [arguments...] <file>
set -uo pipefail
herramienta=$1
if ! command -v "$herramienta" >/dev/null; then
  echo "SKIPPED: $herramienta is not installed (scripts/instalar_dependencias.sh installs it)"
  exit 77
fi
salida=$("$@" 2>&1)
rc=$?
echo "$salida"
[[ $rc -eq 0 ]] || { echo "FAILED: $herramienta exited with $rc"; exit 1; }
# desktop-file-validate exits 0 on warnings and hints: a clean file prints nothing.
if [[ $herramienta == desktop-file-validate && -n $salida ]]; then
  echo "FAILED: desktop-file-validate reported the lines above"
  exit 1
fi
echo "OK: $herramienta found nothing to report"
