#!/usr/bin/env bash
# The progress window's opening time over 10 000 recorded games, as rows of the table
# bench/run.sh prints. Usage: bench/progreso.sh [build-dir]  (a Release tree, as run.sh makes)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-bench}
if [[ ! -d $dir ]]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$dir" --target velunda_bench_progreso >/dev/null
valor() { grep "^$1=" | cut -d= -f2; }
fila() { printf '| %-52s | %14s | %-22s |\n' "$1" "$2" "$3"; }
for plat in offscreen xcb; do
  if [[ $plat == xcb ]]; then
    out=$(xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$dir/bin/velunda_bench_progreso" 10000 9 2>/dev/null)
  else
    out=$(QT_QPA_PLATFORM=offscreen "$dir/bin/velunda_bench_progreso" 10000 9 2>/dev/null)
  fi
  fila "progress window, 10 000 games, open to painted ($plat)" "$(echo "$out" | valor progreso_abrir_mediana_ms) ms" "< 200 ms"
  fila "  worst of 9" "$(echo "$out" | valor progreso_abrir_peor_ms) ms" ""
done
