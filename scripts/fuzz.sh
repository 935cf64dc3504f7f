#!/usr/bin/env bash
# Builds the fuzz target for the worksheet reader with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs it for SECONDS (default 60) on the seed corpus.
# New inputs go to build-fuzz/corpus; an input that crashes the reader is written to
# build-fuzz/ as crash-*: copy it into tests/fuzz-corpus/ so the test suite replays it.
#   bash scripts/fuzz.sh 600
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="${CXX:-clang++-14}" -DCMAKE_CXX_FLAGS="$flags" \
    -DPARSELLA_BUILD_TESTS=OFF -DPARSELLA_BUILD_FUZZ=ON ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null
cmake --build "$build" -j2 --target parsella_fuzz_document
mkdir -p "$build/corpus"
cd "$build"
# The seeds are read, never written: new inputs go to the build's own corpus.
exec ./tests/fuzz/parsella_fuzz_document -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -print_final_stats=1 -dict="$root/tests/fuzz/parsella.dict" corpus "$root/tests/fuzz-corpus"
