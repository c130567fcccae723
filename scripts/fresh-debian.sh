#!/bin/bash
# Runs the README's test commands on a fresh Debian 12, as a new user's machine would: a minimal
# Debian 12 (debootstrap minbase, plus git and make, with this machine's package sources), a
# throwaway overlay on top of it, the commit cloned into it, and `make TARGETS` run there as root
# in a chroot with its own /proc, /sys, /dev, /tmp and /run. Whatever happens, every process left
# inside is ended and everything mounted is unmounted again.
#
# The minimal base is kept in $VERIMODA_BASE_CACHE (keyed by how it is made) and never written:
# each run works on an overlay of it that is thrown away, so every run starts from the same
# fresh system. The folder ../shared, when present, is lent read-only (the Windows build's Qt).
#
# Usage, as root: scripts/fresh-debian.sh [COMMIT] ; TARGETS defaults to "test",
# FRESH_TIMEOUT to 85 minutes.
set -euo pipefail

repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse "${1:-HEAD}")
targets=${TARGETS:-test}
timeout_s=${FRESH_TIMEOUT:-5100}
cache=${VERIMODA_BASE_CACHE:-/var/cache/verimoda-fresh-debian}

say() { printf 'fresh-debian: %s\n' "$*"; }
[ "$(id -u)" = 0 ] || { say "must run as root (debootstrap, mount, chroot)"; exit 2; }

if ! command -v debootstrap >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
fi

# This machine's Debian mirror, from its deb822 or one-line package sources.
mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
[ -n "$mirror" ] ||
    mirror=$(awk '$1 == "deb" && $2 !~ /^\[/ { print $2; exit }' /etc/apt/sources.list 2>/dev/null || true)
mirror=${mirror:-http://deb.debian.org/debian}

# --- The base, made once per recipe ----------------------------------------------------------
recipe="1 bookworm minbase git,make,ca-certificates $mirror" # the first field: bumped when the steps below change
base=$cache/base-$(printf '%s' "$recipe" | sha256sum | cut -c1-16)
if [ ! -f "$base/.complete" ]; then
    say "making a minimal Debian 12 in $base"
    rm -rf "$base.new"
    mkdir -p "$cache"
    debootstrap --variant=minbase --include=git,make,ca-certificates bookworm "$base.new" "$mirror" \
        >"$cache/debootstrap.log" 2>&1 || {
        tail -n 20 "$cache/debootstrap.log"
        say "debootstrap failed"
        exit 1
    }
    # The package sources of this machine, and its apt settings on how to reach them.
    rm -f "$base.new/etc/apt/sources.list"
    cp -a /etc/apt/sources.list.d/. "$base.new/etc/apt/sources.list.d/"
    find "$base.new/etc/apt/sources.list.d" -type f ! -name '*.list' ! -name '*.sources' -delete
    [ -f /etc/apt/sources.list ] && cp /etc/apt/sources.list "$base.new/etc/apt/"
    for f in /etc/apt/apt.conf.d/*; do
        grep -qE 'Acquire::(Check-Valid-Until|Check-Date|https?::Proxy)' "$f" 2>/dev/null &&
            cp "$f" "$base.new/etc/apt/apt.conf.d/"
    done
    chroot "$base.new" apt-get clean
    touch "$base.new/.complete"
    rm -rf "$base"
    mv "$base.new" "$base"
fi

# --- A throwaway system on top of it --------------------------------------------------------
work=$(mktemp -d /var/tmp/verimoda-fresh.XXXXXX)
root=$work/root
mkdir -p "$root" "$work/upper" "$work/overlay-work"

# Ends every process whose root is the chroot, then unmounts everything below it, deepest first.
cleanup() {
    local status=$? pid pids round
    trap - EXIT INT TERM HUP
    for round in TERM TERM KILL KILL; do
        pids=""
        for pid in /proc/[0-9]*; do
            [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && pids="$pids ${pid#/proc/}"
        done
        [ -n "$pids" ] || break
        say "ending processes left in the chroot ($round):$pids"
        # shellcheck disable=SC2086
        kill -s "$round" $pids 2>/dev/null || true
        sleep 2
    done
    awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/self/mounts | sort -r |
        while read -r m; do
            umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || say "could not unmount $m"
        done
    if awk -v r="$root" '$2 == r || index($2, r "/") == 1 { found = 1 } END { exit !found }' /proc/self/mounts; then
        say "something is still mounted below $root; $work is left in place"
    else
        rm -rf "$work"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

mount -t overlay overlay -o "lowerdir=$base,upperdir=$work/upper,workdir=$work/overlay-work" "$root"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
mount -t tmpfs -o mode=755 tmpfs "$root/run"
cp /etc/resolv.conf "$root/etc/resolv.conf"

mkdir -p "$root/work"
git clone --quiet --no-hardlinks "$repo" "$root/work/verimoda"
git -C "$root/work/verimoda" checkout --quiet --detach "$commit"
# ../shared beside the project, or where CI names it (a clone elsewhere has none beside it).
shared=${SHARED_DIR:-$repo/../shared}
if [ -d "$shared" ]; then
    mkdir -p "$root/work/shared"
    mount --bind "$shared" "$root/work/shared"
    mount -o remount,bind,ro "$root/work/shared"
fi

say "commit $(git -C "$repo" log -1 --format='%h %s' "$commit")"
say "running 'make $targets' as root in a fresh Debian 12 (limit ${timeout_s}s)"
started=$(date +%s)
status=0
timeout --kill-after=30 "$timeout_s" chroot "$root" /usr/bin/env -i \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    CI="${CI:-}" QT_MINGW_PREFIX="${QT_MINGW_PREFIX:-}" TERM=dumb \
    /bin/sh -c "cd /work/verimoda && make $targets" </dev/null || status=$?
elapsed=$(($(date +%s) - started))
case $status in
0) say "passed in $((elapsed / 60)) min $((elapsed % 60)) s" ;;
124 | 137) say "stopped after ${timeout_s}s: the run took too long" ;;
*) say "failed with status $status after $((elapsed / 60)) min $((elapsed % 60)) s" ;;
esac
exit "$status"
