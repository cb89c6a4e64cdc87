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

# One language per locale: each command's reports and errors, and the
# system's message inside them, in English under C.UTF-8 and in Japanese
# under ja_JP.UTF-8; nothing Japanese in the English.
in_lang() { # LANG COMMAND...: runs in the folder $out/lang, relative names
  local l=$1
  shift
  (cd "$out/lang" && run env LANG="$l" LC_ALL= "$exe" "$@" && echo "$rc" >rc)
  rc=$(cat "$out/lang/rc")
}
expect() { # WHAT FILE TEXT: FILE (stdout or stderr) is TEXT
  [ "$(cat "$out/$2")" = "$3" ] || fail "$1: $(cat "$out/$2")"
}
mkdir "$out/lang"
printf '\r\nT 0 1\r\nI go\r\np\r\n' >"$out/lang/gapless.dat"
printf '\r\nT 0 1\r\nI @go\r\np\r\n' >"$out/lang/good.dat"
printf '題名,T\r\n種類,x\r\n' >"$out/lang/bad.csv"
for l in C.UTF-8 ja_JP.UTF-8; do
  in_lang $l --check gapless.dat good.dat none.dat
  [ "$rc" -eq 1 ] || fail "--check ($l): exit $rc, not 1"
  if [ $l = C.UTF-8 ]; then
    expect "--check ($l)" stdout "gapless.dat:3: question 0: the answer sentence has no gap marked '@'
good.dat: no problem found
none.dat: cannot open 'none.dat': No such file or directory"
  else
    expect "--check ($l)" stdout "gapless.dat:3: 問題 0 の解答文に「@」の付いた空所がありません
good.dat: 問題は見つかりませんでした
none.dat: 「none.dat」を開けません: そのようなファイルやディレクトリはありません"
  fi
  in_lang $l --export good.dat gone/good.csv
  [ "$rc" -eq 1 ] || fail "--export ($l): exit $rc, not 1"
  cp "$out/stderr" "$out/lang/export.$l"
  in_lang $l --export good.dat good.dat
  cat "$out/stderr" >>"$out/lang/export.$l"
  if [ $l = C.UTF-8 ]; then
    expect "--export ($l)" lang/export.$l "cannot save 'gone/good.csv' (creating): No such file or directory
'good.dat' is the bank being exported itself"
  else
    expect "--export ($l)" lang/export.$l "「gone/good.csv」を保存できません (作成): そのようなファイルやディレクトリはありません
「good.dat」は書き出す元の問題ファイルそのものです"
  fi
  in_lang $l --import bad.csv new.dat
  [ "$rc" -eq 1 ] || fail "--import ($l): exit $rc, not 1"
  cp "$out/stderr" "$out/lang/import.$l"
  in_lang $l --import good.dat/sheet.csv new.dat
  cat "$out/stderr" >>"$out/lang/import.$l"
  if [ $l = C.UTF-8 ]; then
    expect "--import ($l)" lang/import.$l "bad.csv:2:2: the kind needs a whole number, not 'x'
cannot open 'good.dat/sheet.csv': Not a directory"
  else
    expect "--import ($l)" lang/import.$l "bad.csv:2:2: 種類には整数が必要ですが「x」でした
「good.dat/sheet.csv」を開けません: ディレクトリではありません"
  fi
done
# Nothing overwritten by surprise: an existing sheet is replaced only with
# --force, and no command writes over its own input, by any name of it.
printf '\r\nT 0 1\r\nI @go\r\np\r\n' >"$out/b.dat"
cp "$out/b.dat" "$out/b.dat.was"
run "$exe" --export "$out/b.dat" "$out/b.csv"
[ "$rc" -eq 0 ] || fail "--export: exit $rc: $(cat "$out/stderr")"
cp "$out/b.csv" "$out/b.csv.was"
echo edited >"$out/edited.csv"
run "$exe" --export "$out/b.dat" "$out/edited.csv"
[ "$rc" -eq 1 ] && [ "$(cat "$out/edited.csv")" = edited ] && grep -q -- '--force' "$out/stderr" ||
  fail "--export replaced a sheet without --force: exit $rc"
run "$exe" --export "$out/b.dat" "$out/edited.csv" --force
[ "$rc" -eq 0 ] && cmp -s "$out/edited.csv" "$out/b.csv" || fail "--export --force: exit $rc"
ln -s b.csv "$out/link.csv"
ln "$out/b.dat" "$out/hard.csv"
for pair in "b.csv b.csv" "b.csv link.csv" "link.csv b.csv"; do
  set -- $pair
  run "$exe" --import "$out/$1" "$out/$2" --force
  [ "$rc" -eq 1 ] && cmp -s "$out/b.csv" "$out/b.csv.was" || fail "--import $pair --force wrote over its CSV"
done
run "$exe" --export "$out/b.dat" "$out/hard.csv" --force
[ "$rc" -eq 1 ] && cmp -s "$out/b.dat" "$out/b.dat.was" || fail "--export wrote over its bank"
env -u DISPLAY "$exe" --export "$out/b.dat" >>"$out/b.dat" 2>"$out/stderr"
rc=$?
[ "$rc" -eq 1 ] && cmp -s "$out/b.dat" "$out/b.dat.was" || fail "--export appended to its bank: exit $rc"

# A class to a spreadsheet without a display: a record named in CP932 bytes
# (from a Windows zip) is read by its bytes; nothing found is said, exit 1.
mkdir -p "$out/class" "$out/empty"
printf 'bank\r\nEigo 0 1\r\nWe @go\r\nprompt\r\n' >"$out/class/eigo.dat"
printf '%s\r\nEigo\r\nkim\r\n0,1,0,0,0,0\r\n2,2\r\n' "$out/class/eigo.dat" >"$out/class/$(printf '\x90\xac\x90\xd1').RET"
run "$exe" --class "$out/class" --csv "$out/class.csv" --cp932
[ "$rc" -eq 0 ] || fail "--class --csv: exit $rc: $(cat "$out/stderr")"
printf '\x90\xac\x90\xd1.RET,kim,Eigo,100,1,1,100,100,\r\n' >"$out/row"
LC_ALL=C grep -qF "$(cat "$out/row")" "$out/class.csv" || fail "--class --csv: $(cat "$out/class.csv")"
# Its messages are the windows' Japanese sentences, which carry the
# system's Japanese message under any locale.
run env LANG=C.UTF-8 LC_ALL= "$exe" --class "$out/class" --csv "$out/gone/class.csv"
[ "$rc" -eq 1 ] && grep -q '(作成): そのようなファイルやディレクトリはありません$' "$out/stderr" ||
  fail "--class --csv to a missing folder under C.UTF-8: $(cat "$out/stderr")"
run "$exe" --class "$out/empty" --csv "$out/empty.csv"
[ "$rc" -eq 1 ] && grep -q 'empty に成績ファイル (\*.ret) がありません' "$out/stderr" ||
  fail "--class of an empty folder: exit $rc: $(cat "$out/stderr")"
run "$exe" --class "$out/empty"
[ "$rc" -eq 1 ] && grep -q 'がありません' "$out/stderr" || fail "--class window of nothing: exit $rc"

[ "$failed" -eq 0 ] && echo "command line ok"
exit "$failed"
