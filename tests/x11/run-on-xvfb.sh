#!/usr/bin/env bash
# Runs a command on a private Xvfb. The server picks a free display itself
# (-displayfd), so tests that start X servers at the same time never race for
# one, as xvfb-run -a can.
set -euo pipefail
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
read -r -t 20 display <&"$fd"
DISPLAY=:$display "$@"
