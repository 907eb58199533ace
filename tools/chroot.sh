#!/usr/bin/env bash
# Runs the Linux part of the test suite (or COMMAND, from the top of the
# source) on another Debian release, in a chroot of it: made once with
# debootstrap from the archive the system's apt sources name, kept in
# ${XDG_CACHE_HOME:-~/.cache}/zomar/ and reused. The source is copied in,
# apart from build/, whose trees the chroot keeps between runs.
#   tools/chroot.sh [RELEASE [COMMAND...]]   RELEASE: a codename; by default
#   the other supported release (trixie on bookworm, bookworm on trixie)
# The Windows stage is left out unless ZOMAR_SKIP_WINDOWS=0 is given; its Qt
# is cached in the chroot's own home. Needs root (uses sudo otherwise). The
# system's apt configuration is left alone: the chroot has its own source list.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
source "$src/tools/archive.sh"

if ((EUID != 0)); then
    exec sudo XDG_CACHE_HOME="${XDG_CACHE_HOME:-$HOME/.cache}" ZOMAR_SKIP_WINDOWS="${ZOMAR_SKIP_WINDOWS:-1}" "$0" "$@"
fi
other=trixie
[[ $(host_codename) != trixie ]] || other=bookworm
release=${1:-$other}
shift $(($# ? 1 : 0))
(($#)) || set -- ./test.sh
root=${XDG_CACHE_HOME:-$HOME/.cache}/zomar/chroot-$release
start=$SECONDS
took() { echo "== $1: $((SECONDS - start)) s"; start=$SECONDS; }

# One run at a time: a run ends whatever else runs in its chroot.
mkdir -p "$(dirname "$root")"
exec 9>"$root.lock"
flock -n 9 || { echo "chroot: $root is in use by another run" >&2; exit 1; }

if [[ ! -f $root/.complete ]]; then
    command -v debootstrap >/dev/null || "$src/tools/ensure-packages.sh" debootstrap
    host=$(host_codename)
    mirror=$(debian_archive "$release" "$host")
    [[ -n $mirror ]] || {
        echo "chroot: the apt sources name no Debian archive with main for $release or $host" >&2
        exit 1
    }
    security=$(debian_archive "$release-security" "$host-security")
    echo "== debootstrap $release from $mirror into $root"
    rm -rf --one-file-system "$root.new"
    debootstrap --variant=minbase "$release" "$root.new" "$mirror" >"$root.new.log" 2>&1 || {
        tail -20 "$root.new.log" >&2
        echo "chroot: debootstrap failed; the whole log is $root.new.log" >&2
        exit 1
    }
    {
        echo "deb $mirror $release main"
        echo "deb $mirror $release-updates main"
        [[ -z $security ]] || echo "deb $security $release-security main"
    } >"$root.new/etc/apt/sources.list"
    # Packages installed here start no services.
    printf '#!/bin/sh\nexit 101\n' >"$root.new/usr/sbin/policy-rc.d"
    chmod 755 "$root.new/usr/sbin/policy-rc.d"
    mv "$root.new" "$root"
    rm -f "$root.new.log"
    touch "$root/.complete"
    took debootstrap
fi

# Whatever runs in the chroot ends with it; then its mounts go.
cleanup() {
    local pids=() pid
    left() { # the processes whose root is the chroot's
        pids=()
        for pid in /proc/[0-9]*; do
            [[ $pid/root -ef $root ]] && pids+=("${pid#/proc/}")
        done
        ((${#pids[@]}))
    }
    if left; then
        kill -TERM "${pids[@]}" 2>/dev/null || true
        for _ in $(seq 50); do
            left || break
            sleep 0.1
        done
        ! left || kill -KILL "${pids[@]}" 2>/dev/null || true
    fi
    for dir in dev sys proc; do
        ! mountpoint -q "$root/$dir" || umount -R "$root/$dir" || umount -R -l "$root/$dir"
    done
}
trap cleanup EXIT
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

# The source, as it stands, beside the chroot's own build/. A file copied
# is as new as the copy, unless the chroot has it with the same bytes:
# then it keeps that copy's time. So the build redoes exactly what changed,
# whatever the times the files had where they came from (another tree may
# have been built here since).
work=$root/src/zomar
mkdir -p "$work"
fresh=$(mktemp -d "$root/src/.copy.XXXXXX")
tar -C "$src" --exclude=./build -cf - . | tar -C "$fresh" -m -xf -
(cd "$fresh" && find . -type f -print0) | while IFS= read -r -d '' file; do
    if cmp -s "$fresh/$file" "$work/$file"; then touch -r "$work/$file" "$fresh/$file"; fi
done
find "$work" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
tar -C "$fresh" -cf - . | tar -C "$work" -xf -
rm -rf "$fresh"

in_chroot() {
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin ZOMAR_SKIP_WINDOWS="${ZOMAR_SKIP_WINDOWS:-1}" \
        bash -c 'cd /src/zomar && "$@"' bash "$@"
}
in_chroot bash -c 'source tools/packages.sh && tools/ensure-packages.sh "${build_packages[@]}" "${test_packages[@]}"'
took packages
in_chroot "$@"
took "$*"
