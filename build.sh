#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 or 13 machine for VCQuick, builds it, and then runs it
# or its tests.
#
#   ./build.sh run      install what building and running need, build the
#                       program, start it
#   ./build.sh test     install that and the test tools, build everything,
#                       run every test
#   ./build.sh package  install what building and packaging need, build,
#                       make the Debian package
#
# Running it again skips what is done: installed packages are not fetched
# again and the build is incremental. VCQ_ANY_RELEASE=1 goes on on a release
# it was not tried on.
set -euo pipefail
cd "$(dirname "$0")"

# Names that Debian 12 and 13 (and Ubuntu 24.04) all have.
RUN_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-translations-l10n libsdl2-mixer-dev libespeak-ng-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
)
PACKAGE_PACKAGES=(dpkg-dev file)
TEST_PACKAGES=(
  "${PACKAGE_PACKAGES[@]}"
  clang libclang-rt-dev clang-format libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils locales qt6-base-private-dev
  lintian appstream desktop-file-utils
)

say() { echo "build.sh: $*" >&2; }

# The releases this was tried on, before anything on the machine changes.
check_release() {
  local id="" version="" name=""
  if [ -r /etc/os-release ]; then
    # shellcheck disable=SC1091
    . /etc/os-release
    id=${ID:-} version=${VERSION_ID:-} name=${PRETTY_NAME:-}
  fi
  RELEASE=${name:-an unknown system}
  if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
    say "needs Debian 12 or 13 with apt-get and dpkg; $RELEASE has none"
    exit 1
  fi
  case "$id:$version" in
    debian:12 | debian:13 | ubuntu:2[4-9].* | ubuntu:[3-9][0-9].*) return ;;
  esac
  [ "${VCQ_ANY_RELEASE:-}" = 1 ] && return
  say "needs Debian 12 or 13 (or Ubuntu 24.04 or later); this is $RELEASE (VCQ_ANY_RELEASE=1 tries anyway)"
  exit 1
}

install_missing() {
  check_release
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  # A name the archive does not know is named, with the release, before apt
  # is asked for anything.
  local unknown=()
  for p in "${missing[@]}"; do
    apt-cache show --no-all-versions "$p" >/dev/null 2>&1 || unknown+=("$p")
  done
  if [ ${#unknown[@]} -gt 0 ]; then
    say "the package archive of $RELEASE has no ${unknown[*]} (check /etc/apt/sources.list)"
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

configure() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

case "${1:-}" in
  run)
    install_missing "${RUN_PACKAGES[@]}"
    configure build -DVCQ_BUILD_TESTS=OFF -DVCQ_BUILD_BENCH=OFF
    cmake --build build -j2
    # The file dialogs open where the program starts: in the sample banks.
    cd build/assets/banks
    exec ../../vcquick
    ;;
  package)
    install_missing "${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    configure build -DVCQ_BUILD_TESTS=OFF -DVCQ_BUILD_BENCH=OFF
    cmake --build build -j2
    (cd build && cpack -G DEB)
    ls build/vcquick_*.deb
    ;;
  test)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    configure build -DVCQ_BUILD_TESTS=ON -DVCQ_BUILD_BENCH=ON -DVCQ_WERROR=ON
    cmake --build build -j2
    ctest --test-dir build --output-on-failure -j2
    # Every test again under AddressSanitizer and UndefinedBehaviorSanitizer
    # (clang), with short runs of the fuzz targets.
    configure build-asan -DCMAKE_CXX_COMPILER=clang++ \
      -DVCQ_SANITIZE=ON -DVCQ_FUZZ=ON -DVCQ_BUILD_BENCH=OFF -DVCQ_WERROR=ON \
      -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS=-O1 -D_GLIBCXX_ASSERTIONS"
    cmake --build build-asan -j2
    ctest --test-dir build-asan --output-on-failure -j2
    ;;
  *)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
