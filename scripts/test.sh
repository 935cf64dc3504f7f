#!/usr/bin/env bash
# Installs what is missing, builds Parsella and runs the whole test suite twice: once as
# built for use, once under AddressSanitizer, UndefinedBehaviorSanitizer and leak checking.
# The first build also compiles the benchmarks and developer tools, which no test runs, so
# that a change that breaks them shows here and not when someone next measures.
set -euo pipefail
cd "$(dirname "$0")/.."
# The desktop entry and AppStream data are validated too.
bash scripts/deps.sh desktop-file-utils appstream-util
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARSELLA_BUILD_BENCH=ON -DPARSELLA_BUILD_TOOLS=ON
cmake --build build -j"$(nproc)"
(cd build && ctest --output-on-failure -j"$(nproc)")
# Every text the sources have is in every catalogue, translated, and none is left over.
bash scripts/check-translations.sh

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPARSELLA_SANITIZE=ON
cmake --build build-sanitize -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -j"$(nproc)")

# Windows: built and tested under wine only when Qt for Windows is already in its cache, as
# building that takes an hour (bash scripts/windows.sh builds it). Otherwise one line says so.
if windows_qt=$(bash scripts/windows-qt.sh --cached); then
    unset ASAN_OPTIONS UBSAN_OPTIONS
    bash scripts/windows.sh
else
    echo "Windows build and tests under wine skipped: no Qt for Windows in $windows_qt yet (bash scripts/windows.sh builds it)"
fi
