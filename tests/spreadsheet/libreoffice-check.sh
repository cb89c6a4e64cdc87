#!/bin/sh
# Exports each sample bank to CSV, lets LibreOffice Calc turn it into a
# spreadsheet (.ods) and back into CSV, once in UTF-8 and once in Shift-JIS,
# and imports both: each must give back the sample bank byte for byte.
# Usage: tests/spreadsheet/libreoffice-check.sh [VCQUICK]   (default build/vcquick)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
vcq=${1:-$root/build/vcquick}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home"   # a fresh LibreOffice profile
mkdir -p "$HOME" "$work/ods" "$work/utf8" "$work/sjis"
status=0
for bank in "$root"/assets/banks/eigo*.dat; do
  name=$(basename "$bank" .dat)
  "$vcq" --export "$bank" "$work/$name.csv"
  # Read as a Japanese user's Calc reads a UTF-8 CSV: comma, quote, UTF-8,
  # from row 1, language Japanese.
  soffice --headless --infilter="CSV:44,34,76,1,,1041" --convert-to ods \
    --outdir "$work/ods" "$work/$name.csv" >/dev/null 2>&1
  soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' \
    --outdir "$work/utf8" "$work/ods/$name.ods" >/dev/null 2>&1
  soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,64' \
    --outdir "$work/sjis" "$work/ods/$name.ods" >/dev/null 2>&1
  for form in utf8 sjis; do
    if "$vcq" --import "$work/$form/$name.csv" "$work/$form/$name.dat" &&
       cmp -s "$bank" "$work/$form/$name.dat"; then
      echo "$name: $form CSV from Calc imports to the same bank"
    else
      echo "$name: $form CSV from Calc does NOT give the same bank" >&2
      status=1
    fi
  done
done
exit $status
