#!/usr/bin/env bash
# Takes the README's screenshots from the real windows (under Xvfb when it is installed,
# offscreen otherwise) and writes them to docs/screenshots. Scale with QT_SCALE_FACTOR.
#   tools/capturas.sh [build-dir] [output-dir] [language: es, fr, de]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
salida=${2:-docs/screenshots}
cmake -S . -B "$dir" -G Ninja >/dev/null
cmake --build "$dir" --target velunda velunda_capturas >/dev/null
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$dir/bin/velunda_capturas" "$salida" ${3:+"$3"}
else
  QT_QPA_PLATFORM=offscreen "$dir/bin/velunda_capturas" "$salida" ${3:+"$3"}
fi
