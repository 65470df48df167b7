#!/usr/bin/env bash
# The manual page and the README tell a player the same keys and the same files: every key
# and every file of the player's that one names, the other names too, so the two cannot
# drift apart. Keys are the named ones (Tab, Enter, Space, Escape, the arrows) and letters
# set in bold (.B P in the page, **P** in the README); files are the paths under the
# player's home and the names of the game's own files (.rec, .sqlite, .conf, .lock, .bad).
# Usage: comparar_manual.sh <velunda.6.in> <README.md>
set -uo pipefail
manual=$1 readme=$2

# The page's escapes (\- \(em) and the README's backticks read as plain text.
texto() { sed -E 's/\\-/-/g; s/\\\([a-z]{2}//g; s/`/ /g' "$1"; }
claves() {  # <file> <regex of a bold letter>
  { texto "$1" | grep -oE '\b(Shift\+Tab|Tab|Enter|Space|Escape)\b|\barrows?( keys)?\b' \
      | sed -E 's/^arrows?( keys)?$/arrow keys/'
    texto "$1" | grep -oE "$2" | sed -E 's/^[.*]+B?R? ?([A-Z]).*/\1/'; } | sort -u
}
archivos() {
  { texto "$1" | grep -oE '~/[^ ),;]*Quorlan[^ ),;]*[^ ),;.]'
    texto "$1" | grep -oE '\b[A-Za-z_]+\.(rec|sqlite|conf)(\.(lock|bad)[^ ),;]*)?' | sed -E 's/(\.bad)-.*/\1/'; } \
    | sort -u
}
fallos=0
comparar() {  # <what> <from the page> <from the README>
  local falta
  falta=$(comm -23 <(echo "$2") <(echo "$3"))
  [[ -z $falta ]] || { echo "FAILED: the manual page names $1 the README does not:"; echo "$falta"; fallos=1; }
  falta=$(comm -13 <(echo "$2") <(echo "$3"))
  [[ -z $falta ]] || { echo "FAILED: the README names $1 the manual page does not:"; echo "$falta"; fallos=1; }
}
teclas_manual=$(claves "$manual" '^\.BR? [A-Z]( |$)')
teclas_readme=$(claves "$readme" '\*\*[A-Z]\*\*')
archivos_manual=$(archivos "$manual")
archivos_readme=$(archivos "$readme")
comparar keys "$teclas_manual" "$teclas_readme"
comparar files "$archivos_manual" "$archivos_readme"
[[ -n $teclas_manual && -n $archivos_manual ]] || { echo "FAILED: no key or file found in the page"; exit 1; }
[[ $fallos -eq 0 ]] || exit 1
echo "OK: both name the keys" $teclas_manual
echo "OK: both name the files" $archivos_manual
