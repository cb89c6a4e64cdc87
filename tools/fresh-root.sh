#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A newcomer's fresh Debian machine, as a chroot: a clean root of SUITE
# (debootstrap --variant=minbase with git, ca-certificates and sudo only),
# this repository cloned into it, and one of the README's commands run there
# as root with a root login's bare environment. Prints the wall time and a
# verdict line. Not part of the tests: it takes tens of minutes.
#
#   tools/fresh-root.sh SUITE [test|run]
#     SUITE  bookworm (Debian 12), trixie (Debian 13), ...
#     test   ./build.sh test (the default)
#     run    ./build.sh run on a private X server of this machine, then a
#            screenshot of the main window (ROOT.png) and the program ended
#
# Environment: REPO (default: this repository; its committed HEAD is cloned),
# ROOTS (default ${TMPDIR:-/tmp}/roots), MIRROR (default: the first Debian
# archive this machine's apt knows). The debootstrap is made once, in
# ROOTS/SUITE-pristine, and copied for every run into ROOTS/SUITE-MODE, so
# each run starts clean. Needs root, debootstrap, and for `run` Xvfb, xdotool
# and ImageMagick's import (installed when missing).
set -uo pipefail
usage() { echo "usage: $0 SUITE [test|run]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] || usage
suite=$1 mode=${2:-test}
case "$mode" in test | run) ;; *) usage ;; esac
repo=$(cd "${REPO:-$(dirname "$0")/..}" && pwd) || exit 2
roots=$(realpath -m "${ROOTS:-${TMPDIR:-/tmp}/roots}")
pristine=$roots/$suite-pristine
root=$roots/$suite-$mode
log=$root.log
mirror=${MIRROR:-$( (grep -hE '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '{print $2}'
  grep -hE '^deb ' /etc/apt/sources.list 2>/dev/null | awk '{print $2}') | grep -v security | head -n 1)}
mirror=${mirror:-http://deb.debian.org/debian}
verdict() { echo "$1: $suite: ./build.sh $mode $2"; }
mib() {  # mib ROOT: what the root's packages take, in MiB
  dpkg-query --admindir="$1/var/lib/dpkg" -W -f='${Installed-Size}\n' | awk '{s += $1} END {print int(s / 1024)}'
}
added() { echo "the set-up added $(($(mib "$root") - $(mib "$pristine"))) MiB of packages"; }
[ "$(id -u)" -eq 0 ] || { verdict short "not run: needs root (debootstrap, chroot)"; exit 2; }

need=(debootstrap)
[ "$mode" = run ] && need+=(Xvfb xdotool import)
for tool in "${need[@]}"; do
  command -v "$tool" >/dev/null && continue
  { apt-get update -qq && apt-get install -y -qq debootstrap xvfb xdotool imagemagick; } >/dev/null 2>&1 ||
    { verdict short "not run: $tool could not be installed"; exit 2; }
  break
done
mkdir -p "$roots"

# 1. The pristine root, once; then a copy of it for this run.
if [ ! -e "$pristine/etc/debian_version" ]; then
  echo "== debootstrap $suite into $pristine"
  rm -rf "$pristine"
  debootstrap --variant=minbase --include=git,ca-certificates,sudo "$suite" "$pristine" "$mirror" \
    >"$pristine.log" 2>&1 || { tail -n 5 "$pristine.log"; verdict short "not run: debootstrap failed"; exit 1; }
fi
if mountpoint -q "$root/proc" 2>/dev/null; then
  verdict short "not run: $root is in use by another run"
  exit 1
fi
rm -rf "$root"
cp -a "$pristine" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
: >"$log"

mounted=() xvfb= program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  for p in /proc/[0-9]*; do  # what this run left running inside the root
    [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill "${p#/proc/}" 2>/dev/null
  done
  sleep 1
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null; done
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
mnt() {  # mnt TARGET ARGS...: mounts ARGS on TARGET inside the root
  local target=$root$1; shift
  mkdir -p "$target"
  mount "$@" "$target" && mounted+=("$target")
}
mnt /proc -t proc proc
mnt /sys -t sysfs sysfs
mnt /dev/pts --bind /dev/pts
mnt /dev/shm -t tmpfs -o mode=1777 tmpfs
mnt /tmp -t tmpfs -o mode=1777 tmpfs
mnt /mnt/repo --bind -o ro "$repo"

display=
in_root() {  # a root login's clean environment
  chroot "$root" env -i HOME=/root TERM=dumb USER=root LOGNAME=root SHELL=/bin/bash \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin ${display:+DISPLAY=$display} \
    bash -c "$1"
}

# 2. The clone, and the command.
in_root 'cd /root && git clone -q /mnt/repo vcquick' >>"$log" 2>&1 ||
  { tail -n 5 "$log"; verdict short "not run: git clone failed"; exit 1; }
commit=$(in_root 'git -C /root/vcquick rev-parse --short HEAD')
echo "== $suite ($(cat "$root/etc/debian_version")), commit $commit: ./build.sh $mode; log: $log"
t0=$(date +%s)

if [ "$mode" = test ]; then
  in_root 'cd /root/vcquick && ./build.sh test' >>"$log" 2>&1
  rc=$?
  secs=$(($(date +%s) - t0))
  counts=$(grep -E 'tests passed, [0-9]+ tests failed' "$log" | tr '\n' ';')
  if [ $rc -eq 0 ]; then
    verdict ok "passed in $secs s (${counts%;}); $(added)"
    exit 0
  fi
  failed=$(grep -E '^\s+[0-9]+ - .* \((Failed|Timeout|SEGFAULT|Subprocess aborted|Not Run)\)' "$log" |
    sed -E 's/^\s+[0-9]+ - //' | tr '\n' ' ')
  first=$(grep -m1 -E '^E: |error:|CMake Error|build.sh: ' "$log" || tail -n 1 "$log")
  verdict short "failed (rc=$rc) after $secs s; first error: $first;${failed:+ failed tests: $failed}"
  exit 1
fi

# run: the program shows its main window on an X server of this machine,
# whose socket the root shares.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 20 n <&"$fd" || { verdict short "not run: Xvfb did not start"; exit 1; }
display=:$n
mnt /tmp/.X11-unix --bind /tmp/.X11-unix
in_root 'cd /root/vcquick && ./build.sh run' >>"$log" 2>&1 &
program=$!
# The set-up and the build come first; the window may take half an hour.
while kill -0 "$program" 2>/dev/null; do
  DISPLAY=$display xdotool search --onlyvisible --name MiravelCompany >/dev/null 2>&1 && break
  sleep 5
done
secs=$(($(date +%s) - t0))
if ! DISPLAY=$display xdotool search --onlyvisible --name MiravelCompany >/dev/null 2>&1; then
  first=$(grep -m1 -E '^E: |error:|CMake Error|build.sh: ' "$log" || tail -n 1 "$log")
  verdict short "showed no window after $secs s; first error: $first"
  exit 1
fi
sleep 3  # the start-up sequence: the commands appear after 1.3 s
import -display "$display" -window root "$root.png"
verdict ok "showed its main window after $secs s (screenshot $root.png); $(added)"
