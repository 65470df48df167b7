#!/usr/bin/env bash
# Installs what is missing, builds Velunda and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar_dependencias.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELUNDA_BUILD_TESTS=OFF
cmake --build build --target velunda
exec ./build/bin/velunda
