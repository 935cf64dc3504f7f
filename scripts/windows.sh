#!/usr/bin/env bash
# Builds Parsella for 64-bit Windows on Debian 12 and runs its test suite under wine:
#   build-windows/Parsella-<version>-setup.exe     per-user installer (NSIS)
#   build-windows/Parsella-<version>-portable.zip  the program's folder, to run from a USB stick
# Installs what is missing first. Qt for Windows is built once into a cache outside the tree
# (scripts/windows-qt.sh: about an hour on two cores the first time), then reused.
#   PARSELLA_WINDOWS_CACHE  that cache (default ~/.cache/parsella-windows)
#   PARSELLA_QTSVG_SOURCE   a qtsvg 6.4.2 tarball, where apt has none (see the README)
#   PARSELLA_WINDOWS_TESTS  0 to build and package without running the tests
# The last lines are CTest's summary of the suite under wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    dpkg-dev xz-utils wine wine64 nsis zip xvfb xauth fonts-liberation

# This machine's mirror lacks qt6-svg's tarballs; a copy of Qt's own sits beside the project.
if [ -z "${PARSELLA_QTSVG_SOURCE:-}" ] && [ -f ../shared/third-party/qtsvg-everywhere-src-6.4.2.tar.xz ]; then
    export PARSELLA_QTSVG_SOURCE=$root/../shared/third-party/qtsvg-everywhere-src-6.4.2.tar.xz
fi
qt=$(bash scripts/windows-qt.sh | tail -n 1)

out=$root/build-windows
build=$out/build
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/scripts/windows/mingw.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/windows/wine-run.sh" \
    -DPARSELLA_BUILD_TESTS=ON -DPARSELLA_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

# The program's folder, as the installer and the zip carry it.
version=$(sed -n 's/^project(Parsella VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=$out/Parsella
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" --strip >/dev/null

# What the installer copies, and exactly that to remove again: one line a file, folders last.
files=$out/files.nsh
unfiles=$out/unfiles.nsh
(
    cd "$stage"
    : > "$files"
    : > "$unfiles"
    find . -type d | sort | while read -r dir; do
        win=${dir#.}; win=${win//\//\\}
        echo "SetOutPath \"\$INSTDIR$win\"" >> "$files"
        find "$dir" -maxdepth 1 -type f | sort | while read -r file; do
            echo "File \"$stage/${file#./}\"" >> "$files"
            rel=${file#./}; echo "Delete \"\$INSTDIR\\${rel//\//\\}\"" >> "$unfiles"
        done
    done
    find . -mindepth 1 -type d | sort -r | while read -r dir; do
        rel=${dir#./}; echo "RMDir \"\$INSTDIR\\${rel//\//\\}\"" >> "$unfiles"
    done
)
size_kb=$(du -sk "$stage" | cut -f1)
setup=$out/Parsella-$version-setup.exe
makensis -V2 -DSTAGE="$stage" -DOUTFILE="$setup" -DSIZE_KB="$size_kb" -DFILES="$files" -DUNFILES="$unfiles" \
    "$build/packaging/windows/parsella.nsi"

# The zip holds the folder with a file "portable" in it: settings stay on the stick.
zip=$out/Parsella-$version-portable.zip
rm -f "$zip"
portable=$out/portable/Parsella-$version
rm -rf "$out/portable" && mkdir -p "$out/portable" && cp -a "$stage" "$portable"
printf 'Settings of this copy are kept in the settings folder beside parsella.exe.\r\n' > "$portable/portable"
(cd "$out/portable" && zip -qr9 "$zip" "Parsella-$version")
echo "Made $setup ($(du -k "$setup" | cut -f1) KiB) and $zip ($(du -k "$zip" | cut -f1) KiB); installed folder $size_kb KiB"

if [ "${PARSELLA_WINDOWS_TESTS:-1}" = 0 ]; then exit 0; fi
# shellcheck source=scripts/windows/wine-env.sh
. scripts/windows/wine-env.sh "$out/wine" "$qt" "$build"
(cd "$build" && ctest --output-on-failure -j"$(nproc)" --timeout 900)
