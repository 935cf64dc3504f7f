# Sourced by scripts/windows.sh: a wine of its own for running the cross-built programs.
#   . wine-env.sh PREFIX QT BUILD
# A prefix made once (no Mono or Gecko prompt, no crash dialog, which would hang a headless
# run), the Qt and MinGW runtime DLLs on wine's search path, the faces of the build tree for
# the offscreen platform, and an X server of its own: even a window-less Qt program on Windows
# makes hidden message windows. The server and wine stop when the calling shell exits.
export WINEPREFIX=$1
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
wine_qt=$2
wine_build=$3

windows_path() { echo "Z:${1//\//\\}"; }
gcc_dlls=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="$(windows_path "$wine_qt/bin");$(windows_path "$gcc_dlls");$(windows_path /usr/x86_64-w64-mingw32/lib)"
# The offscreen platform reads its faces from one folder: the faces the program carries, as
# built beside the tests, and a Chinese face, as every Windows has one (Microsoft YaHei) and
# wine has none of its own. Handed on to the programs by wine-run.sh, as wine keeps QT_* back.
wine_fonts=$WINEPREFIX-fonts
rm -rf "$wine_fonts" && mkdir -p "$wine_fonts"
ln -s "$wine_build"/fonts/*.ttf "$wine_fonts"/
for face in /usr/share/fonts/truetype/wqy/wqy-microhei.ttc; do
    [ -f "$face" ] && ln -s "$face" "$wine_fonts"/
done
export QT_QPA_FONTDIR=$(windows_path "$wine_fonts")

# A display for wine alone, whatever DISPLAY the caller has.
wine_display=:$((90 + RANDOM % 800))
Xvfb "$wine_display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
wine_xvfb=$!
export DISPLAY=$wine_display
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${wine_display#:}" ] && break; sleep 0.1; done
wine_stop() {
    wineserver -k 2>/dev/null || true
    kill "$wine_xvfb" 2>/dev/null || true
}
trap wine_stop EXIT

if [ ! -f "$WINEPREFIX/.parsella-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.parsella-ready"
fi
# One server for the whole run, rather than one started for each program, and wine's own
# services started now, with nothing to write to: started by the first test instead, they would
# inherit its output and hold CTest waiting on it until the test's time ran out.
wineserver -p
wine wineboot </dev/null >/dev/null 2>&1
