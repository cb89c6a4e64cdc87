#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for VCQuick, builds it, and then runs it or its tests.
#
#   ./build.sh run    install what is missing, build, start the program
#   ./build.sh test   install what is missing, build, run every test
#   ./build.sh package  install what is missing, build, make the Debian package
#
# Running it again skips what is done: installed packages are not fetched
# again and the build is incremental.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  cmake g++ make pkg-config clang clang-format libclang-rt-14-dev
  qt6-base-dev qt6-translations-l10n libsdl2-mixer-dev libespeak-ng-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xdotool x11-utils
  dpkg-dev file lintian appstream desktop-file-utils
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j2
}

case "${1:-}" in
  run)
    install_missing
    build build
    # The file dialogs open where the program starts: in the sample banks.
    cd build/assets/banks
    exec ../../vcquick
    ;;
  package)
    install_missing
    build build
    (cd build && cpack -G DEB)
    ls build/vcquick_*.deb
    ;;
  test)
    install_missing
    build build -DVCQ_WERROR=ON
    ctest --test-dir build --output-on-failure -j2
    # Every test again under AddressSanitizer and UndefinedBehaviorSanitizer
    # (clang), with short runs of the fuzz targets.
    build build-asan -DCMAKE_CXX_COMPILER=clang++ \
      -DVCQ_SANITIZE=ON -DVCQ_FUZZ=ON -DVCQ_BUILD_BENCH=OFF -DVCQ_WERROR=ON \
      -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS=-O1 -D_GLIBCXX_ASSERTIONS"
    ctest --test-dir build-asan --output-on-failure -j2
    ;;
  *)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
