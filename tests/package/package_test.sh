#!/usr/bin/env bash
# Makes the Debian package from a built tree and checks what a learner's
# machine gets: the files in their places, the dependencies, and the desktop
# entry, AppStream data and package passing their validators.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; fail "cpack"; }
deb=$(ls "$out"/vcquick_*.deb)
echo "built $(basename "$deb")"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/vcquick ./usr/share/vcquick/banks/eigo0.dat ./usr/share/vcquick/sounds/huku.wav \
         ./usr/share/vcquick/pictures/splash.png ./usr/share/vcquick/help/vcq10.html \
         ./usr/share/applications/vcquick.desktop \
         ./usr/share/metainfo/org.vcquick.vcquick.metainfo.xml \
         ./usr/share/mime/packages/vcquick.xml \
         ./usr/share/icons/hicolor/64x64/apps/vcquick.png \
         ./usr/share/icons/hicolor/256x256/apps/vcquick.png \
         ./usr/share/man/man1/vcquick.1.gz ./usr/share/man/ja/man1/vcquick.1.gz \
         ./usr/share/doc/vcquick/copyright ./usr/share/doc/vcquick/changelog.gz; do
  grep -qxF "$f" <<<"$files" || fail "$f is not in the package"
done
# Nothing of the build or of the sources' tools goes into the package.
if grep -E '\.(sh|py|md)$|screenshots|/usr/local' <<<"$files"; then fail "stray files"; fi

control=$(dpkg-deb -f "$deb")
echo "$control"
grep -qx 'Section: education' <<<"$control" || fail "section"
depends=$(dpkg-deb -f "$deb" Depends)
for d in fonts-ipafont-gothic fonts-ipafont-mincho libqt6widgets6 libsdl2-mixer-2.0-0 libespeak-ng1 espeak-ng-data qt6-translations-l10n libc6; do
  grep -q "\b$d\b" <<<"$depends" || fail "Depends lacks $d"
done
grep -q '日本語' <<<"$control" || fail "no Japanese line in the description"

dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/vcquick.desktop" || fail "desktop entry"
grep -qx 'Exec=vcquick %f' "$out/root/usr/share/applications/vcquick.desktop" || fail "Exec"
appstreamcli validate --no-net "$out/root/usr/share/metainfo/org.vcquick.vcquick.metainfo.xml" ||
  fail "metainfo"
"$out/root/usr/bin/vcquick" --version | grep -qx 'vcquick [0-9.]*' || fail "--version"

# Every tag down to the informational and pedantic ones is shown; errors and
# any hardening tag fail. Tags that are right for this program are
# overridden in packaging/lintian-overrides, each with its reason.
lintian -I --pedantic --tag-display-limit 0 "$deb" | tee "$out/lintian.log" || true
if grep -q '^E:' "$out/lintian.log"; then fail "lintian errors"; fi
if grep -q ' hardening-' "$out/lintian.log"; then fail "not hardened: $(grep ' hardening-' "$out/lintian.log")"; fi
echo "package ok"
