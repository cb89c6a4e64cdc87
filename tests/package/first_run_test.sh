#!/usr/bin/env bash
# A learner's first run of an installed VCQuick: the program is installed
# into a prefix the learner may not write to and started, as a user without
# root with a fresh home, from the home folder as the menu starts it, in a
# real X server. The learner makes a record on a sample bank and quits; the
# record must be in the learner's own folder. Then a record on the read-only
# sample bank itself, and last `vcquick FILE.ret` opening a record.
#   first_run_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$home/.program.log" ] && cat "$home/.program.log" >&2
  exit 1
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
chmod -R a-w "$work/prefix"
home=$work/home
mkdir "$home"

# Root starts the program as nobody; anyone else is the learner already.
as_learner=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home"
  as_learner=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

. "$(dirname "$0")/../x11/private-xvfb.sh"
start_private_xvfb || fail "no X server could be started"

start() {  # start [ARGS...]: the program in the home folder, as from the menu
  (cd "$home" && env -i PATH=/usr/bin:/bin DISPLAY=$DISPLAY HOME="$home" LANG=C.UTF-8 \
     SDL_AUDIODRIVER=dummy "${as_learner[@]}" "$work/prefix/bin/vcquick" "$@" \
     >>"$home/.program.log" 2>&1) &
  pid=$!
  await_window MiravelCompany
  sleep 2  # the start-up sequence: the commands appear after 1.3 s
}
await_window() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return
    sleep 0.1
  done
  fail "no window \"$1\""
}
key() {  # key WINDOW-NAME KEY: the key to the window of that name
  await_window "$1"
  xdotool search --onlyvisible --name "$1" | head -1 | xargs -I{} xdotool windowactivate --sync {} \
    >/dev/null 2>&1 || true
  xdotool key --delay 100 "$2"
  sleep 0.5
}
type_into() {  # type_into WINDOW-NAME TEXT: typed and confirmed with Return
  await_window "$1"
  xdotool search --onlyvisible --name "$1" | head -1 | xargs -I{} xdotool windowactivate --sync {} \
    >/dev/null 2>&1 || true
  sleep 0.3  # the field takes keys once the window has settled
  xdotool type --delay 50 "$2"
  xdotool key Return
  sleep 0.7
}
await_end() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || { pid=; return; }; sleep 0.1; done
  fail "the program did not end"
}
new_record() {  # new_record BANK PLAYER NAME
  key MiravelCompany F3
  type_into "取り組む問題" "$1"
  type_into VocaraforWindows "$2"
  type_into VocaraforWindows "$3"
}

docs=$home/Documents/VCQuick
start
[ -f "$docs/eigo1.dat" ] || fail "the sample banks were not copied into $docs"
new_record eigo1.dat taro first
key MiravelCompany F1
await_end
[ -f "$docs/first.ret" ] || fail "no record in the learner's folder"
head -1 "$docs/first.ret" | grep -q "^$docs/eigo1.dat" || fail "the record names another bank"
echo "first run: $docs/first.ret"

# A bank in the read-only samples folder: the record goes to the learner's
# folder, with a word saying where.
start
new_record "$work/prefix/share/vcquick/banks/eigo0.dat" hana second
key VCQuick Return  # the box that says where the record went
key MiravelCompany F1
await_end
[ -f "$docs/second.ret" ] || fail "the record on a read-only bank was not put in $docs"
head -1 "$docs/second.ret" | grep -q "share/vcquick/banks/eigo0.dat" || fail "wrong bank"
echo "read-only bank: $docs/second.ret"

# vcquick FILE.ret: the record is open after the start-up sequence, so F1
# writes it back (with CR LF again where it had LF only).
"${as_learner[@]}" sed -i 's/\r$//' "$docs/first.ret"
start "$docs/first.ret"
key MiravelCompany F1
await_end
grep -q $'\r$' "$docs/first.ret" || fail "the record named on the command line was not opened"
echo "command line: the record was open"
echo "first run ok"
