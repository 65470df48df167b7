#!/usr/bin/env bash
# Takes every screenshot with two builds' velunda_capturas, at 1x and 2x, in English and a
# translation, and prints how many pixels differ in each. Before a change that must not show,
# build the code without it in a worktree of its own and compare.
#   tools/comparar_capturas.sh <before: build dir> <after: build dir> [language]
# The running lights at the board's sides follow the clock, so a game screen may differ there
# (squares of 17x17 pixels at 1x) and the high scores by their clock time; nothing else may.
set -euo pipefail
antes=$(realpath "$1") despues=$(realpath "$2") idioma=${3:-de}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for lado in antes despues; do
  dir=${!lado}
  for escala in 1 2; do
    for i in "" "$idioma"; do
      mkdir -p "$tmp/$lado-$escala"
      (cd "$dir/.." && XDG_CACHE_HOME="$tmp/cache-$lado" QT_SCALE_FACTOR=$escala QT_QPA_PLATFORM=xcb \
        ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 1600x1200x24" \
        "$dir/bin/velunda_capturas" "$tmp/$lado-$escala" $i >/dev/null 2>&1)
    done
  done
done
for escala in 1 2; do
  for f in "$tmp/antes-$escala"/*.png; do
    b=$(basename "$f")
    if [[ -f $tmp/despues-$escala/$b ]]; then
      printf '%sx %-28s %s\n' "$escala" "$b" "$(compare -metric AE "$f" "$tmp/despues-$escala/$b" null: 2>&1)"
    else
      printf '%sx %-28s %s\n' "$escala" "$b" "missing after"
    fi
  done
done
