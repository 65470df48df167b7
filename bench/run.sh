#!/usr/bin/env bash
# Measures Velunda on this machine and prints a table. Not part of the tests.
# Usage: bench/run.sh [build-dir] [arranque]   (builds a Release tree by default in build-bench;
# with "arranque", only the start-up rows; IDIOMAS="de" for the German ones alone)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-bench}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" --target velunda velunda_bench velunda_bench_arranque velunda_bench_suelo \
  velunda_bench_suelo_reloj velunda_bench_arranque_sonido_enlazado velunda_bench_arranque_progreso_enlazado \
  velunda_bench_arranque_paginas_pequenas velunda_bench_chequeo >/dev/null
bin="$dir/bin"
# OpenAL's silent output: the sound figures need no speakers.
export ALSOFT_DRIVERS=null

valor() { grep "^$1=" | cut -d= -f2; }
mediana() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
PARES=${PARES:-31} PRIMERAS=${PRIMERAS:-11}
# The game keeps the title decoded in the user's cache folder: here, a folder of the run's own.
XDG_CACHE_HOME=$(mktemp -d)
export XDG_CACHE_HOME
carga=()  # the loaders of the loaded run below, which never outlive a failed run either
trap 'kill "${carga[@]}" 2>/dev/null || true; rm -rf "$XDG_CACHE_HOME"' EXIT

# One start: microseconds from launch to first paint, and peak memory in kB.
una_vez() {  # $1 = program, $2 = platform
  local t0 out
  t0=$(date +%s%N)
  out=$(QT_QPA_PLATFORM=$2 "$1" 2>/dev/null)
  echo "$(( ($(echo "$out" | valor pintado_ns) - t0) / 1000 )) $(echo "$out" | valor pico_rss_kb)"
}

# The game's start beside the floor program's, run by run (game, floor, floor, game, game,
# floor...), so both see the same machine and neither always runs first (here, which one ran
# first moved a run's ratio by up to a tenth); the ratios are the medians of the per-pair
# ratios. Prints: game us, floor us, time ratio, game kB, floor kB, memory ratio.
# With $2 = primera, the game starts each time with nothing cached, as on its first start.
arranque() {  # $1 = platform, [$2]
  local tj=() ts=() rt=() mj=() ms=() rm=() j jr s sr i
  # The title is kept a moment after the menu is up: one start that stays that long keeps it.
  [[ ${2:-} == primera ]] || QT_QPA_PLATFORM=$1 "$bin/velunda_bench_arranque" --llenar-cache >/dev/null 2>&1
  for i in $(seq "$PARES"); do
    [[ ${2:-} == primera ]] && rm -rf "${XDG_CACHE_HOME:?}"/*
    if (( i % 2 )); then
      read -r j jr < <(una_vez "$bin/velunda_bench_arranque" "$1")
      read -r s sr < <(una_vez "$bin/velunda_bench_suelo" "$1")
    else
      read -r s sr < <(una_vez "$bin/velunda_bench_suelo" "$1")
      read -r j jr < <(una_vez "$bin/velunda_bench_arranque" "$1")
    fi
    tj+=("$j") ts+=("$s") mj+=("$jr") ms+=("$sr")
    rt+=("$(awk "BEGIN{print $j/$s}")") rm+=("$(awk "BEGIN{print $jr/$sr}")")
  done
  for serie in tj ts rt mj ms rm; do
    local -n v=$serie
    printf '%s\n' "${v[@]}" | mediana
  done
}

en_x() { xvfb-run -a -s "-screen 0 1024x768x24" "$@"; }

fila() { printf '| %-52s | %14s | %-22s |\n' "$1" "$2" "$3"; }

echo "Velunda benchmarks — $(date -u +%Y-%m-%d), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo
fila "measure" "result" "aim"
fila "---" "---" "---"

# The game in German (the title painted, not the English picture), beside the same floor in
# the same environment.
# (Set in a subshell, quietly: this machine's shell may have no German locale of its own.)
aleman() { (
  { export LANG=de_DE.UTF-8 LC_ALL= LC_MESSAGES= LANGUAGE=; } 2>/dev/null
  "$@"
); }
ratio() { printf '%.2fx' "$1"; }
ms() { awk "BEGIN{printf \"%.1f ms\", $1/1000}"; }

for plat in offscreen xcb; do
  for idioma in ${IDIOMAS:-en de}; do
    pre=() de=""
    [[ $idioma == de ]] && pre=(aleman) de=", German"
    if [[ $plat == xcb ]]; then
      res=$("${pre[@]}" en_x bash -c "$(declare -f una_vez arranque valor mediana); bin=$bin; PARES=$PARES; arranque xcb")
      nombre="Xvfb$de"
    else
      res=$("${pre[@]}" arranque offscreen)
      nombre="offscreen$de"
    fi
    mapfile -t r <<<"$res"
    fila "start-up to title menu painted ($nombre)" "$(ms "${r[0]}")" ""
    fila "  floor: bare Qt window, same" "$(ms "${r[1]}")" ""
    fila "  ratio, median of $PARES pairs" "$(ratio "${r[2]}")" "<= 1.20x"
    fila "peak memory ($nombre)" "$(awk "BEGIN{printf \"%.1f MB\", ${r[3]}/1024}")" ""
    fila "  floor: bare Qt window, same" "$(awk "BEGIN{printf \"%.1f MB\", ${r[4]}/1024}")" ""
    fila "  ratio, median of $PARES pairs" "$(ratio "${r[5]}")" "<= 1.2x"
    if [[ $plat == offscreen ]]; then
      mapfile -t r < <(PARES=$PRIMERAS "${pre[@]}" arranque offscreen primera)
      fila "  first start, title not yet cached: ratio, $PRIMERAS pairs" "$(ratio "${r[2]}")" "<= 1.35x"
    fi
  done
done

# Each start-up saving weighed alone: the game beside the same game without that one saving,
# pair by pair, alternating. A saving stays only if it buys at least 3 % of start-up.
# Prints: game us, without us, (without - game) / without in %, median of per-pair values.
sin_ahorro() {  # $1 = platform; $2 = program without the saving; [$3] = its cache folder
  local tj=() ts=() g=() j s jr sr i
  QT_QPA_PLATFORM=$1 "$bin/velunda_bench_arranque" --llenar-cache >/dev/null 2>&1
  for i in $(seq "$PARES"); do
    if (( i % 2 )); then
      read -r j jr < <(una_vez "$bin/velunda_bench_arranque" "$1")
      read -r s sr < <(XDG_CACHE_HOME=${3:-$XDG_CACHE_HOME} una_vez "$2" "$1")
    else
      read -r s sr < <(XDG_CACHE_HOME=${3:-$XDG_CACHE_HOME} una_vez "$2" "$1")
      read -r j jr < <(una_vez "$bin/velunda_bench_arranque" "$1")
    fi
    tj+=("$j") ts+=("$s") g+=("$(awk "BEGIN{print 100*($s-$j)/$s}")")
  done
  for serie in tj ts g; do
    local -n v=$serie
    printf '%s\n' "${v[@]}" | mediana
  done
}
pct() { printf '%+.1f %%' "$1"; }
for idioma in ${IDIOMAS:-en de}; do
  pre=() de=""
  [[ $idioma == de ]] && pre=(aleman) de=", German"
  # Without the picture cache: a cache folder that cannot exist, so every start decodes.
  mapfile -t r < <("${pre[@]}" sin_ahorro offscreen "$bin/velunda_bench_arranque" /dev/null/sin-cache)
  fila "saving: decoded pictures cached (offscreen$de)" "$(pct "${r[2]}")" ">= 3 % to stay"
  fila "  start-up without it, same pairs" "$(ms "${r[1]}")" ""
  mapfile -t r < <("${pre[@]}" sin_ahorro offscreen "$bin/velunda_bench_arranque_sonido_enlazado")
  fila "saving: cue player loaded after the menu (offscreen$de)" "$(pct "${r[2]}")" ">= 3 % to stay"
  fila "  start-up with OpenAL and mpg123 linked, same pairs" "$(ms "${r[1]}")" ""
  mapfile -t r < <("${pre[@]}" sin_ahorro offscreen "$bin/velunda_bench_arranque_progreso_enlazado")
  fila "saving: progress window loaded when opened (offscreen$de)" "$(pct "${r[2]}")" ">= 3 % to stay"
  fila "  start-up with Qt Charts linked, same pairs" "$(ms "${r[1]}")" ""
  mapfile -t r < <("${pre[@]}" sin_ahorro offscreen "$bin/velunda_bench_arranque_paginas_pequenas")
  fila "saving: title in 2 MB pages (offscreen$de)" "$(pct "${r[2]}")" ">= 3 % to stay"
  fila "  start-up with it in 4 kB pages, same pairs" "$(ms "${r[1]}")" ""
  # The savings this code no longer has, together: the last code that had them, built in its
  # own tree (ANTES=its bin folder). Its benchmark assembled the game by hand, a little less
  # than a player starts, so this row favours it.
  if [[ -n ${ANTES:-} ]]; then
    mapfile -t r < <("${pre[@]}" sin_ahorro offscreen "$ANTES/velunda_bench_arranque")
    fila "  the removed savings together: earlier code beside this (offscreen$de)" "$(pct "${r[2]}")" ""
  fi
done
[[ ${2:-} == arranque ]] && exit 0

# CPU figures swing from run to run on a virtual machine: each is the median of $VECES runs,
# with the lowest and highest beside it.
VECES=${VECES:-5}
rango() { sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%s %% (%s-%s)", m, a[1], a[NR]}'; }
# Beside each run of the game's clock, one of the floor's: a bare label changed as often.
cpus=() suelos=()
for _ in $(seq "$VECES"); do
  out=$(en_x "$bin/velunda_bench" reloj 20 2>/dev/null)
  cpus+=("$(echo "$out" | valor reloj_cpu_pct)")
  suelos+=("$(en_x "$bin/velunda_bench_suelo_reloj" 20 2>/dev/null | valor suelo_reloj_cpu_pct)")
done
fila "20-second level: ticks" "$(echo "$out" | valor reloj_ticks)" "1000"
fila "20-second level: real duration (idle, Xvfb)" "$(echo "$out" | valor reloj_real_s) s" "20.0 s"
fila "  deviation from ticks x 20 ms" "$(echo "$out" | valor reloj_desvio_pct) %" "within 0.5 %"
fila "CPU while the clock runs, median of $VECES" "$(printf '%s\n' "${cpus[@]}" | rango)" "< 2 % of a core"
fila "  floor: bare Qt label changed every 20 ms, same" "$(printf '%s\n' "${suelos[@]}" | rango)" ""

for _ in $(seq "$(nproc)"); do (while :; do :; done) & carga+=($!); done
sleep 0.5
out=$(en_x "$bin/velunda_bench" reloj 20 2>/dev/null)
kill "${carga[@]}" 2>/dev/null; wait 2>/dev/null || true
fila "20-second level, every core loaded: real duration" "$(echo "$out" | valor reloj_real_s) s" ""
fila "  deviation" "$(echo "$out" | valor reloj_desvio_pct) %" ""

cpus=()
for _ in $(seq "$VECES"); do
  cpus+=("$(en_x "$bin/velunda_bench" espera 10 2>/dev/null | valor espera_cpu_pct)")
done
fila "CPU while waiting for START, median of $VECES" "$(printf '%s\n' "${cpus[@]}" | rango)" "< 0.5 % of a core"

out=$(en_x "$bin/velunda_bench" clic 100 2>/dev/null)
fila "click on a match -> label repainted, median" "$(echo "$out" | valor clic_repintado_mediana_ms) ms" ""
fila "  p95" "$(echo "$out" | valor clic_repintado_p95_ms) ms" ""

out=$(QT_QPA_PLATFORM=offscreen "$bin/velunda_bench" sonido 10 2>/dev/null)
fila "ReproducirSonido, first call (opens device, decodes)" "$(echo "$out" | valor sonido_primera_ms) ms" ""
fila "ReproducirSonido, cached cue started: median" "$(echo "$out" | valor sonido_mediana_us) us" "well under 1 ms"
fila "  p99" "$(echo "$out" | valor sonido_p99_us) us" ""
fila "  every channel busy (cue skipped): median" "$(echo "$out" | valor sonido_ocupado_mediana_us) us" ""

# The check-up under Xvfb, keys pressed through the X server: the delay from a key press to the
# next word on screen beyond the drawn blank, and a scripted answerer's stored times against its
# fixed delay (and against the moment each key was really sent).
out=$(en_x "$bin/velunda_bench_chequeo" 400 12 2>/dev/null)
fila "check-up: key press -> next word on screen, beyond the blank: median" "$(echo "$out" | valor tecla_a_palabra_mediana_ms) ms" ""
fila "  p95" "$(echo "$out" | valor tecla_a_palabra_p95_ms) ms" ""
fila "check-up: stored time vs answerer's 400 ms, median trial" "$(echo "$out" | valor desvio_mediana_ms) ms" "within 5 ms"
fila "  95 % of $(echo "$out" | valor ensayos) trials within" "$(echo "$out" | valor desvio_p95_ms) ms" "within 16 ms"
fila "  vs the moment each key was sent: median, p95" "$(echo "$out" | valor desvio_envio_mediana_ms), $(echo "$out" | valor desvio_envio_p95_ms) ms" ""

# The progress window over 10 000 recorded games (its own script, same table).
bash bench/progreso.sh "$dir"
