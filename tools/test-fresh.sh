#!/usr/bin/env bash
# Runs the README's test command on a freshly made minimal Debian system, as a new machine
# would: makes SUITE (bookworm, trixie, ...) with debootstrap from the mirror this machine's
# apt sources name, copies a clean clone of HEAD into it and runs tools/test.sh inside as
# root with a bare environment. Prints the suite's closing lines, exits with its status and
# keeps the whole log. With --windows it runs tools/test-windows.sh instead, twice: the first
# run builds Qt for Windows from nothing, the second finds it built. Needs root, debootstrap,
# and a few GiB under TMPDIR (about 15 GiB with --windows).
# Usage: test-fresh.sh [--keep] [--windows] SUITE   (--keep leaves the system in place)
set -euo pipefail

keep=false
tests=("bash tools/test.sh")
while [[ ${1-} == --* ]]; do
    case $1 in
    --keep) keep=true ;;
    --windows) tests=("bash tools/test-windows.sh" "bash tools/test-windows.sh") ;;
    *) break ;;
    esac
    shift
done
[[ $# -eq 1 ]] || { echo "usage: $0 [--keep] [--windows] SUITE" >&2; exit 2; }
suite=$1
[[ $(id -u) -eq 0 ]] || { echo "$0: run as root" >&2; exit 2; }
command -v debootstrap >/dev/null ||
    { echo "$0: needs debootstrap (apt-get install debootstrap)" >&2; exit 2; }
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)

# The URI of the main Debian archive in the one-line or deb822 sources: not security, not
# a third-party repository.
debian_mirror() {
    { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources 2>/dev/null || true; } |
        sed -nE 's/^deb +(\[[^]]*\] +)?([^ ]+) .*/\2/p; s/^URIs: *//p' | tr ' ' '\n' |
        awk '/\/debian\/?$/ && !found { print; found = 1 }'
}
mirror=$(debian_mirror)
[[ -n $mirror ]] || { echo "no Debian archive in this machine's apt sources" >&2; exit 2; }

root=$(mktemp -d "${TMPDIR:-/tmp}/zorvane-fresh-$suite.XXXXXX")
log=$root.log
mounts=(proc sys dev dev/pts dev/shm)
cleanup() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        if mountpoint -q "$root/${mounts[i]}"; then umount -l "$root/${mounts[i]}"; fi
    done
    # Only a system with nothing mounted inside is removed: never the host's /dev.
    if $keep || findmnt -rno TARGET | grep -q "^$root/"; then
        echo "system kept in $root"
    else
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT

start=$SECONDS
echo "== $suite from $mirror into $root (log: $log)"
debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$log" 2>&1 ||
    { tail -n 20 "$log"; exit 1; }
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"

git clone --quiet --no-hardlinks "$repo" "$root/root/zorvane"
git -C "$root/root/zorvane" checkout --quiet --detach "$(git -C "$repo" rev-parse HEAD)"
echo "== system made in $((SECONDS - start)) s; testing $(git -C "$repo" rev-parse --short HEAD)"

status=0
for test in "${tests[@]}"; do
    echo "== $test" >>"$log"
    test_start=$SECONDS
    env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        chroot "$root" bash -c "cd /root/zorvane && $test" >>"$log" 2>&1 || status=$?
    echo "== $test: exit status $status after $((SECONDS - test_start)) s" >>"$log"
    ((status == 0)) || break
done
grep -E '^(== |[0-9]+% tests passed|[0-9]+ passed, [0-9]+ failed)' "$log" |
    grep -v "^== $suite" || true
((status == 0)) || tail -n 40 "$log"
echo "== $suite: exit status $status after $((SECONDS - start)) s"
exit "$status"
