# SPDX-FileCopyrightText: The Vantrell developers
# SPDX-License-Identifier: MIT
# Sourced by scripts/fresh-root and scripts/package-roundtrip: a throwaway Debian root in a folder.
# The mirror is the one this machine's apt is set up with (VANTRELL_MIRROR and
# VANTRELL_SECURITY_MIRROR choose others); each release's bootstrapped base is kept as a tarball
# in VANTRELL_CACHE (/var/cache/vantrell) and unpacked again next time.

# Debian 12 or 13, by number or by name.
codename() {
    case $1 in
        12 | bookworm) echo bookworm ;;
        13 | trixie) echo trixie ;;
        *) echo "unknown Debian release: $1 (12, 13, bookworm or trixie)" >&2; return 1 ;;
    esac
}

# Sets mirror and security from apt's own reading of its sources (sources.list, *.list, *.sources).
host_mirrors() {
    local uri suite
    mirror=${VANTRELL_MIRROR:-} security=${VANTRELL_SECURITY_MIRROR:-}
    while read -r uri suite; do
        case $suite in
            *-security) security=${security:-$uri} ;;
            bullseye | bookworm | trixie | forky | sid | oldstable | stable | testing | unstable)
                mirror=${mirror:-$uri} ;;
        esac
    done < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' | sort -u)
    [ -n "$mirror" ] || { echo "no Debian mirror in this machine's apt sources: set VANTRELL_MIRROR" >&2; return 1; }
    mirror=${mirror%/} security=${security:-$mirror-security}
    security=${security%/}
}

# make_root CODENAME FOLDER: a fresh minimal root of that release in FOLDER, its apt sources on the
# mirror, no services starting, and proc, sys, a pty and shared memory of its own mounted.
make_root() {
    local release=$1 dir=$2 cache=${VANTRELL_CACHE:-/var/cache/vantrell}
    local base=$cache/debian-$1-minbase.tar
    host_mirrors || return 1
    mkdir -p "$dir" "$cache"
    if [ -f "$base" ]; then
        tar -xf "$base" -C "$dir"
    else
        echo "bootstrapping Debian $release from $mirror into $base (once)"
        debootstrap --variant=minbase "$release" "$dir" "$mirror" >"$dir.debootstrap.log" 2>&1 ||
            { tail -n 20 "$dir.debootstrap.log"; return 1; }
        tar -cf "$base.part" -C "$dir" . && mv "$base.part" "$base"
    fi
    rm -f "$dir"/etc/apt/sources.list.d/*
    printf 'deb %s %s main\n' "$mirror" "$release" "$mirror" "$release-updates" \
        "$security" "$release-security" >"$dir/etc/apt/sources.list"
    cp /etc/resolv.conf "$dir/etc/resolv.conf"
    printf '#!/bin/sh\nexit 101\n' >"$dir/usr/sbin/policy-rc.d"
    chmod +x "$dir/usr/sbin/policy-rc.d"
    mount -t proc proc "$dir/proc"
    mount -t sysfs -o ro sysfs "$dir/sys"
    mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$dir/dev/pts"
    ln -sf pts/ptmx "$dir/dev/ptmx"
    mount -t tmpfs -o mode=1777 tmpfs "$dir/dev/shm"
}

# drop_root FOLDER: ends what still runs in the root, unmounts it, and only then deletes it.
drop_root() {
    local dir=$1 pid
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$dir" ] && kill -9 "${pid#/proc/}" 2>/dev/null
    done
    awk -v d="$dir/" 'index($2, d) == 1 { print $2 }' /proc/self/mounts | sort -r |
        while read -r m; do umount "$m" || umount -l "$m"; done
    if awk -v d="$dir/" 'index($2, d) == 1 { found = 1 } END { exit !found }' /proc/self/mounts; then
        echo "still mounted in $dir: left in place" >&2
        return 1
    fi
    rm -rf --one-file-system "$dir"
}
