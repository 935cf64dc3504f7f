#!/usr/bin/env bash
# Instructions from process start to the idle main window, counted by callgrind (they do not
# change with the machine's load): the start-up probe against the bare Qt window, offscreen,
# each in a fresh HOME so that no settings or recovery file of an earlier run take part. Also
# the dynamic linker's own share (loading, relocating and binding the libraries, plugins
# included) and the relocations the probe itself asks for. Beside them, the bare window that
# draws the main window's own texts in its faces: the probe's cost beyond it is the program's.
#   bash bench/startup-instructions.sh [BUILD_DIR]      (a Release build with the benchmarks)
set -euo pipefail
build=${1:-build-rel}
probe=$build/bench/parsella_startup_probe
baseline=$build/bench/parsella_startup_baseline
likeness=$build/bench/parsella_startup_likeness
for program in "$probe" "$baseline" "$likeness"; do
    [[ -x $program ]] || { echo "no $program: build with -DPARSELLA_BUILD_BENCH=ON" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

count() { # program name -> "total linker" in instructions
    mkdir -p "$work/home-$2"
    HOME="$work/home-$2" XDG_CONFIG_HOME= XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen \
        valgrind --tool=callgrind --callgrind-out-file="$work/$2.out" "$1" >/dev/null 2>&1
    callgrind_annotate --threshold=100 "$work/$2.out" 2>/dev/null | awk '
        /PROGRAM TOTALS/ { gsub(",", "", $1); total = $1 }
        /ld-linux-x86-64\.so/ { v = $1; gsub(",", "", v); linker += v }
        END { printf "%d %d\n", total, linker }'
}

read -r ptotal plinker < <(count "$probe" probe)
read -r btotal blinker < <(count "$baseline" baseline)
read -r ltotal llinker < <(count "$likeness" likeness)
relocs=$(readelf -rW "$probe" | grep -c ' R_X86_64_' || true)
printf '%-22s %12s %12s\n' "" "instructions" "in ld.so"
printf '%-22s %11.1f M %11.1f M\n' "bare Qt window" "$(bc -l <<< "$btotal/1000000")" "$(bc -l <<< "$blinker/1000000")"
printf '%-22s %11.1f M %11.1f M\n' "bare, the same texts" "$(bc -l <<< "$ltotal/1000000")" "$(bc -l <<< "$llinker/1000000")"
printf '%-22s %11.1f M %11.1f M\n' "Parsella" "$(bc -l <<< "$ptotal/1000000")" "$(bc -l <<< "$plinker/1000000")"
printf 'ratio %.3f to the bare window, %.3f to the one with the same texts; the probe has %d relocations, %d symbols it exports\n' \
    "$(bc -l <<< "$ptotal/$btotal")" "$(bc -l <<< "$ptotal/$ltotal")" "$relocs" "$(nm -D --defined-only "$probe" | wc -l)"
