#!/usr/bin/env bash
# The progress module holds the window alone and takes every other class from the program
# that loads it: a second copy of a class, its meta-object or a function-level static in the
# module would be a second, separate instance at run time. Prints the shared strong symbols.
# Usage: simbolos_modulo.sh <program> <module>
set -euo pipefail
fuertes() { nm -C --defined-only "$1" | awk '$2 ~ /^[TDBR]$/ { $1 = ""; $2 = ""; print substr($0, 3) }' | sort -u; }
comunes=$(comm -12 <(fuertes "$1") <(fuertes "$2"))
echo "$comunes"
n=$(grep -c . <<<"$comunes" || true)
echo "$n strong symbols defined in both"
(( n <= 5 ))
