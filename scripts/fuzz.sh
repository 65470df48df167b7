#!/bin/sh
# Fuzzes the high-score file's parser and editor (tests/fuzz/fuzz_profile.cpp) with
# libFuzzer, ASan and UBSan for a bounded time; exits non-zero when it finds a fault.
#   scripts/fuzz.sh [build-dir]      (default build-fuzz; FUZZ_SECONDS, default 20)
# New inputs are kept in <build-dir>/corpus, crashes in <build-dir>/crash-*.
set -eu

raiz=$(cd "$(dirname "$0")/.." && pwd)
salida=${1:-build-fuzz}
mkdir -p "$salida/corpus"
salida=$(cd "$salida" && pwd)

clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$raiz/scores" \
  "$raiz/tests/fuzz/fuzz_profile.cpp" "$raiz/scores/PerfilPrivado.cpp" \
  "$raiz/scores/Codificacion.cpp" \
  -o "$salida/fuzz_profile"

"$salida/fuzz_profile" -max_total_time="${FUZZ_SECONDS:-20}" -max_len=4096 \
  -artifact_prefix="$salida/" "$salida/corpus" "$raiz/tests/fuzz/corpus"
