#!/usr/bin/env bash
# Runs a command on a private Xvfb (private-xvfb.sh).
set -euo pipefail
. "$(dirname "$0")/private-xvfb.sh"
trap '[ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true' EXIT
start_private_xvfb || { echo "no X server could be started" >&2; exit 1; }
"$@"
