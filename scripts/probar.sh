#!/usr/bin/env bash
# Installs what is missing, builds Velunda with its tests and runs every test headless,
# once in a plain debug build, once under AddressSanitizer + UndefinedBehaviorSanitizer,
# after the high-score file reader has run under the fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar_dependencias.sh
export QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null

# CI builds with warnings as errors; at home a warning should not stop a test run.
werror=OFF
[[ -n "${CI:-}" ]] && werror=ON

echo "== fuzzing the high-score file reader =="
FUZZ_SECONDS=${FUZZ_SECONDS:-30} bash scripts/fuzz.sh build-fuzz 2>&1 | tail -n 3

for preset in debug asan; do
  echo "== $preset build =="
  cmake --preset "$preset" -DVELUNDA_WERROR=$werror
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
