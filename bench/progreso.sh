#!/usr/bin/env bash
# The progress window's opening time over 10 000 recorded games and about two million
# recorded clicks, as rows of the table bench/run.sh prints: open to painted, on the usual
# view and straight on "what trips you", offscreen and under Xvfb; each the median of 9
# openings, with the worst beside it. The history is seeded once and kept in the build
# folder (progreso-history.sqlite) for the next run; delete it to seed it again.
# Usage: bench/progreso.sh [build-dir]  (a Release tree of its own; made when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-bench}
if [[ ! -d $dir ]]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
nice -n 5 cmake --build "$dir" --target velunda_bench_progreso >/dev/null
historia="$dir/progreso-history.sqlite"
valor() { grep "^$1=" | cut -d= -f2; }
fila() { printf '| %-52s | %14s | %-22s |\n' "$1" "$2" "$3"; }
if [[ ! -f $historia ]]; then
  semilla=$(QT_QPA_PLATFORM=offscreen "$dir/bin/velunda_bench_progreso" 10000 1 "$historia" 2>/dev/null)
  echo "(history seeded in $(echo "$semilla" | valor progreso_siembra_s) s)" >&2
fi
for plat in offscreen xcb; do
  if [[ $plat == xcb ]]; then
    out=$(xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$dir/bin/velunda_bench_progreso" 10000 9 "$historia" 2>/dev/null)
  else
    out=$(QT_QPA_PLATFORM=offscreen "$dir/bin/velunda_bench_progreso" 10000 9 "$historia" 2>/dev/null)
  fi
  [[ $plat == offscreen ]] && fila "history read, $(echo "$out" | valor progreso_clics) clicks, median" "$(echo "$out" | valor progreso_leer_mediana_ms) ms" ""
  fila "progress window, 10 000 games, open to painted ($plat)" "$(echo "$out" | valor progreso_abrir_mediana_ms) ms" "< 200 ms"
  fila "  worst of 9" "$(echo "$out" | valor progreso_abrir_peor_ms) ms" ""
  fila "  opened on what trips you, 2 M clicks, median" "$(echo "$out" | valor progreso_tropiezos_mediana_ms) ms" "< 200 ms"
  fila "  worst of 9" "$(echo "$out" | valor progreso_tropiezos_peor_ms) ms" ""
done
