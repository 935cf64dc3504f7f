#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test needs is missing.
# Run with bash by run.sh, test.sh and package.sh, naming any extra packages they need;
# works as root or through sudo.
set -euo pipefail

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

updated=0
update() {
    if ((!updated)); then
        "${sudo_cmd[@]}" apt-get update -qq
        updated=1
    fi
}

# Whether apt offers a package of that name on this release.
offered() {
    local candidate
    candidate=$(apt-cache policy "$1" 2>/dev/null | awk '$1 == "Candidate:" { print $2 }')
    [ -n "$candidate" ] && [ "$candidate" != "(none)" ]
}

PARSELLA_PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    fonts-liberation
    # The catalogues: lupdate and lrelease, Qt's CMake commands for them (qt6-tools-dev holds
    # the LinguistTools package), and Qt's own dialogs in the learner's language.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    # scripts/check-translations.sh reads the catalogues with it.
    python3
    # A face for Simplified Chinese: WenQuanYi Micro Hei is 5 MB installed where Noto CJK is
    # 90 MB, and both Debian 12 and 13 have it.
    fonts-wqy-microhei
)

# The narrow sans face of the small captions came with fonts-liberation up to Debian 12 and
# is a package of its own from Debian 13 on. Apt is asked which, so a fresh machine without
# package lists fetches them first.
if ! dpkg-query -W -f='${Status}' fonts-liberation-sans-narrow 2>/dev/null | grep -q "install ok installed"; then
    if ! compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null; then update; fi
    if offered fonts-liberation-sans-narrow; then
        PARSELLA_PACKAGES+=(fonts-liberation-sans-narrow)
    fi
fi

missing=()
for pkg in "${PARSELLA_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
