#!/usr/bin/env bash
# Counts the instructions of one start-up, launch to the title menu's first paint, under
# valgrind's callgrind: the same count whatever else the machine is doing, so the start-up
# savings can be weighed while other work runs. It counts instructions only; the time spent
# mapping libraries and faulting in pages shows in bench/run.sh's wall-clock rows instead.
# Usage: bench/instrucciones.sh [build-dir]   (a Release tree, as bench/run.sh builds it)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-bench}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" --target velunda_bench_arranque velunda_bench_suelo \
  velunda_bench_arranque_sonido_enlazado velunda_bench_arranque_progreso_enlazado >/dev/null
bin="$dir/bin"
export ALSOFT_DRIVERS=null QT_QPA_PLATFORM=offscreen
cache=$(mktemp -d) salida=$(mktemp -d)
trap 'rm -rf "$cache" "$salida"' EXIT

cuenta() {  # $1 = cache folder, $2 = program: prints the instructions it ran
  XDG_CACHE_HOME=$1 valgrind --tool=callgrind --callgrind-out-file="$salida/c.out" "$2" >/dev/null 2>"$salida/err" \
    || { cat "$salida/err" >&2; exit 1; }
  awk '/^totals:|^summary:/ {print $2; exit}' "$salida/c.out"
}
millones() { awk "BEGIN{printf \"%.1f M\", $1/1e6}"; }
pct() { awk "BEGIN{printf \"%+.1f %%\", 100*($2-$1)/$2}"; }
fila() { printf '| %-58s | %10s | %-16s |\n' "$1" "$2" "$3"; }

fila "instructions, launch to title menu painted" "count" "saving"
fila "---" "---" "---"
for idioma in ${IDIOMAS:-en de}; do
  ( [[ $idioma == de ]] && export LANG=de_DE.UTF-8 LC_ALL= LANGUAGE=
    suelo=$(cuenta "$cache" "$bin/velunda_bench_suelo")
    rm -rf "${cache:?}"/*
    primera=$(cuenta "$cache" "$bin/velunda_bench_arranque")
    XDG_CACHE_HOME=$cache "$bin/velunda_bench_arranque" --llenar-cache >/dev/null 2>&1
    juego=$(cuenta "$cache" "$bin/velunda_bench_arranque")
    sin_cache=$(cuenta /dev/null/sin-cache "$bin/velunda_bench_arranque")
    sonido=$(cuenta "$cache" "$bin/velunda_bench_arranque_sonido_enlazado")
    progreso=$(cuenta "$cache" "$bin/velunda_bench_arranque_progreso_enlazado")
    fila "floor: bare Qt window ($idioma)" "$(millones "$suelo")" ""
    fila "game, first start ($idioma)" "$(millones "$primera")" ""
    fila "game, title cached ($idioma)" "$(millones "$juego")" "$(awk "BEGIN{printf \"%.2fx floor\", $juego/$suelo}")"
    fila "  without the picture cache" "$(millones "$sin_cache")" "$(pct "$juego" "$sin_cache")"
    fila "  cue player linked in, not loaded after the menu" "$(millones "$sonido")" "$(pct "$juego" "$sonido")"
    fila "  progress window linked in, not loaded when opened" "$(millones "$progreso")" "$(pct "$juego" "$progreso")"
  )
done
