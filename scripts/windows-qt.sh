#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (qtbase and qtsvg, shared, release) from Debian's own source
# packages, whose version matches the host Qt tools a cross-build of Qt 6 needs, and installs
# it into a cache outside the tree. A later run finds the cache and does nothing.
#   PARSELLA_WINDOWS_CACHE  the cache folder (default ~/.cache/parsella-windows)
#   PARSELLA_QTSVG_SOURCE   a qtsvg-everywhere-src-6.4.2 tarball, for a mirror without qt6-svg's
# Prints the Qt prefix as its last line. About an hour on two cores the first time.
# With --cached it builds nothing and fails if the cache is not complete.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
QT_VERSION=6.4.2
cache=${PARSELLA_WINDOWS_CACHE:-$HOME/.cache/parsella-windows}
prefix=$cache/qt-$QT_VERSION-mingw64
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
# --cached: only say whether it is there (status 1 and the prefix it would have, if not).
if [ "${1:-}" = --cached ]; then
    echo "$prefix"
    exit 1
fi

bash "$here/deps.sh" dpkg-dev xz-utils g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 >&2

work=$cache/src-$QT_VERSION
mkdir -p "$work"
cd "$work"

# A sources list of our own, so the system's apt setup is left as it was.
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
apt_dir=$work/apt
mkdir -p "$apt_dir/lists/partial"
cat > "$apt_dir/sources.list" <<SRC
deb-src http://deb.debian.org/debian $codename main
SRC
apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=-
          -o "Dir::State::Lists=$apt_dir/lists")
fetch() {  # package, the folder its source unpacks into
    if [ ! -d "$2" ]; then
        apt-get "${apt_opts[@]}" update -qq >&2
        # The release's own source, which is the version of its host Qt tools.
        (cd "$work" && apt-get "${apt_opts[@]}" source --only-source "$1" >&2) || return 1
        local dir
        dir=$(find . -maxdepth 1 -type d -name "$1-$QT_VERSION*" | head -1)
        [ -n "$dir" ] && mv "$dir" "$2"
    fi
}

fetch qt6-base qtbase
if ! fetch qt6-svg qtsvg; then
    if [ -n "${PARSELLA_QTSVG_SOURCE:-}" ]; then
        rm -rf qtsvg && mkdir qtsvg
        tar -xf "$PARSELLA_QTSVG_SOURCE" -C qtsvg --strip-components=1
    else
        echo "qt6-svg's source could not be fetched; set PARSELLA_QTSVG_SOURCE to a tarball" >&2
        exit 1
    fi
fi

# Our own fixes for MinGW, each explained in its file.
for patch in "$here"/windows/qt-patches/*.patch; do
    [ -e "$patch" ] || continue
    stamp=qtbase/.applied-$(basename "$patch")
    if [ ! -f "$stamp" ]; then patch -d qtbase -p1 < "$patch" >&2; touch "$stamp"; fi
done

# A build that stopped part way (a patch added since, say) is taken up where it stopped.
if [ ! -f build-base/build.ninja ]; then
rm -rf build-base && mkdir build-base && cd build-base
# Parsella needs neither sql, network, dbus nor OpenGL/Vulkan. Debian's source lacks wintab,
# hence no tablet events. Accessibility (UI Automation) and printing stay on.
nice ../qtbase/configure -prefix "$prefix" -release -shared \
    -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- -qt-host-path /usr \
    -nomake examples -nomake tests -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
    -no-opengl -no-dbus -no-icu -no-openssl -no-feature-vulkan -no-feature-sql -no-feature-network \
    -no-feature-tabletevent -no-feature-direct2d -accessibility -feature-printsupport \
    -- -DCMAKE_TOOLCHAIN_FILE="$here/windows/mingw.cmake" \
       -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
cd ..
fi
cd build-base
nice cmake --build . -j"$(nproc)" >&2
cmake --install . >&2
cd ..
rm -rf build-svg && mkdir build-svg && cd build-svg
nice "$prefix/bin/qt-configure-module" ../qtsvg >&2
nice cmake --build . -j"$(nproc)" >&2
cmake --install . >&2
cd ..
touch "$prefix/.complete"
echo "$prefix"
