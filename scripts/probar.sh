#!/usr/bin/env bash
# Installs what is missing, builds Velunda with its tests and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar_dependencias.sh
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

werror=OFF
[[ -n "${CI:-}" ]] && werror=ON
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELUNDA_WERROR=$werror
cmake --build build-test
ctest --test-dir build-test --output-on-failure --timeout 300
