#!/usr/bin/env bash
# The command line as a learner meets it without a desktop (over ssh, in a
# text console): what is not understood gets usage and 2, the answers that
# need no window come, and the program itself says in one line that it needs
# a desktop session instead of aborting.
#   command_line_test.sh VCQUICK
set -uo pipefail
exe=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# Runs the program with no display at all; $rc, $out/stdout, $out/stderr.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$@" \
    >"$out/stdout" 2>"$out/stderr"
  rc=$?
}
lines() { wc -l <"$out/$1"; }

run env LANG=C LC_ALL= "$exe" --bogus
[ "$rc" -eq 2 ] || fail "--bogus: exit $rc, not 2"
[ "$(head -1 "$out/stderr")" = "vcquick: unknown option '--bogus'" ] || fail "--bogus: $(head -1 "$out/stderr")"
grep -q '^usage: vcquick \[FILE.ret\]$' "$out/stderr" || fail "--bogus: no usage"

run env LANG=ja_JP.UTF-8 LC_ALL= "$exe" --bogus
[ "$(head -1 "$out/stderr")" = "vcquick: '--bogus' というオプションはありません" ] ||
  fail "--bogus under ja_JP.UTF-8: $(head -1 "$out/stderr")"
grep -q '^使い方: vcquick' "$out/stderr" || fail "--bogus under ja_JP.UTF-8: no Japanese usage"

run env LANG=C LC_ALL= "$exe" a.ret b.ret
[ "$rc" -eq 2 ] || fail "two records: exit $rc, not 2"
grep -q '^usage:' "$out/stderr" || fail "two records: no usage"

run "$exe" --help
[ "$rc" -eq 0 ] && grep -q -- '--check' "$out/stdout" || fail "--help without a display: exit $rc"
run "$exe" --version
[ "$rc" -eq 0 ] || fail "--version without a display: exit $rc"

for lang in C ja_JP.UTF-8; do
  run env LANG=$lang LC_ALL= "$exe"
  [ "$rc" -eq 1 ] || fail "no display ($lang): exit $rc, not 1"
  [ "$(lines stderr)" -eq 1 ] && [ ! -s "$out/stdout" ] || fail "no display ($lang): $(cat "$out/stderr")"
  grep -q '^vcquick: VCQuick ' "$out/stderr" || fail "no display ($lang): $(cat "$out/stderr")"
done
grep -q 'デスクトップ' "$out/stderr" || fail "no display: not in Japanese under ja_JP.UTF-8"

# A display that is named but not there: the toolkit cannot start.
n=97
while [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
run env DISPLAY=:$n "$exe"
[ "$rc" -eq 1 ] || fail "unreachable display: exit $rc, not 1"
[ "$(lines stderr)" -eq 1 ] || fail "unreachable display: $(cat "$out/stderr")"

# System messages in the learner's language, beside the program's own.
run env LANG=ja_JP.UTF-8 LC_ALL= "$exe" --check "$out/none.dat"
[ "$rc" -eq 1 ] || fail "--check of a missing file: exit $rc, not 1"
grep -q 'そのようなファイルやディレクトリはありません' "$out/stdout" ||
  fail "--check under ja_JP.UTF-8: $(cat "$out/stdout")"
run env LANG=C LC_ALL= "$exe" --check "$out/none.dat"
grep -q 'No such file or directory' "$out/stdout" || fail "--check under C: $(cat "$out/stdout")"

[ "$failed" -eq 0 ] && echo "command line ok"
exit "$failed"
