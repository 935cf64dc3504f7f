#!/usr/bin/env bash
# Runs the Quick start test command (scripts/test.sh) in a fresh, minimal Debian root of the
# given release, as a new user of that release would: nothing installed but what the test
# command installs itself. Run by hand, as root, on a Debian machine with debootstrap:
#
#   bash scripts/check-release.sh trixie      # or bookworm
#
# The root is made from the Debian mirror this machine's apt sources already name, under
# /var/tmp/parsella-check-<release> (or $PARSELLA_CHECK_DIR/<release>), and removed when the
# run ends unless KEEP_ROOT=1. The whole run is logged to <root>.log.
set -euo pipefail

suite=${1:?usage: check-release.sh RELEASE (e.g. bookworm, trixie)}
cd "$(dirname "$0")/.."
project=$PWD
base=${PARSELLA_CHECK_DIR:-/var/tmp}
root=$base/parsella-check-$suite
log=$root.log

if [ "$(id -u)" -ne 0 ]; then
    echo "check-release.sh: must run as root (debootstrap, chroot and mounts)" >&2
    exit 1
fi
command -v debootstrap >/dev/null || { echo "check-release.sh: debootstrap is not installed" >&2; exit 1; }

# The mirrors the machine's apt sources name, both the one-line and the deb822 forms.
mirrors() {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
        | awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { print $i; break } }'
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null \
        | awk 'tolower($1) == "uris:" { for (i = 2; i <= NF; i++) print $i }'
}
mirror=$(mirrors | grep -E '/debian/?$' | head -n1 || true)
security=$(mirrors | grep -E '/debian-security/?$' | head -n1 || true)
if [ -z "$mirror" ]; then
    echo "check-release.sh: no Debian mirror found in /etc/apt/sources.list*" >&2
    exit 1
fi

unmount_all() {
    for m in dev sys proc; do
        if mountpoint -q "$root/$m"; then umount -R "$root/$m" || umount -lR "$root/$m" || true; fi
    done
}
# Never removes a root that still has the machine's /dev, /proc or /sys mounted inside it.
remove_root() {
    if grep -q " $root/" /proc/mounts; then
        echo "check-release.sh: $root still has mounts; left in place" >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}
trap 'unmount_all; if [ "${KEEP_ROOT:-0}" != 1 ]; then remove_root; fi' EXIT

unmount_all
remove_root
mkdir -p "$base"
exec > >(tee "$log") 2>&1
echo "== $(date -u '+%F %T') UTC: fresh $suite root from $mirror"

debootstrap --variant=minbase "$suite" "$root" "$mirror"

# The suites a freshly installed system of that release reads.
{
    echo "deb $mirror $suite main"
    echo "deb $mirror $suite-updates main"
    if [ -n "$security" ]; then echo "deb $security $suite-security main"; fi
} > "$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --rbind /dev "$root/dev"

# The project as committed plus the work in progress, without build trees.
mkdir -p "$root/parsella"
git -C "$project" ls-files -z --cached --others --exclude-standard \
    | (cd "$project" && tar --null --files-from=- --ignore-failed-read -cf -) \
    | tar -C "$root/parsella" -xf -

echo "== $(date -u '+%F %T') UTC: bash scripts/test.sh in the $suite root"
status=0
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /parsella && bash scripts/test.sh' || status=$?

echo "== $(date -u '+%F %T') UTC: $suite: test command exited $status"
grep -E 'tests passed|tests failed' "$log" || true
exit "$status"
