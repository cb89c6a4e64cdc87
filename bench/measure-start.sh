#!/usr/bin/env bash
# Start-up time and memory of vcquick beside a minimal Qt 6 Widgets window
# (bench/minimal_window.cpp), measured in one run on one Xvfb, the two
# programs taking turns so that other load on the machine falls on both.
#
# Usage: bench/measure-start.sh [BUILD_DIR [MEASURE_TOOL]]
#   BUILD_DIR     a Release build of this tree (default: build-bench)
#   MEASURE_TOOL  the generic measuring script (default:
#                 ../shared/tools/measure-start.sh beside the repository)
# Environment: ROUNDS (default 3) turns of RUNS (default 3) runs each;
# BEFORE, a second build directory whose vcquick takes its turns as
# "before", so that a change is measured against the tree before it in the
# same run; ACCESSIBLE=1, vcquick taking a third turn as "a11y" with Qt's
# AT-SPI bridge on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, as with a screen
# reader running), its accessibility bus started on the run's private D-Bus.
#
# Figures: win_s, from exec to the first mapped top-level window (for
# vcquick the main window; the splash maps a moment later); rss, VmRSS of
# the process 3 s after that window appeared. Ratios are vcquick / minimal
# of the medians over all runs.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build-bench}" && pwd)
tool=${2:-$here/../../shared/tools/measure-start.sh}
rounds=${ROUNDS:-3}
runs=${RUNS:-3}

for f in "$build/vcquick" "$build/bench/minimal_window" "$tool"; do
  [ -x "$f" ] || { echo "missing: $f (build with: cmake --build $build)" >&2; exit 2; }
done

log=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$log"' EXIT
# One X server for every run of both programs.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 display <&"$fd"
export DISPLAY=:$display

measure() {  # label pattern [measuring options...] -- command...
  local label=$1 pattern=$2
  shift 2
  "$tool" -n "$runs" -w 1 -i 3 -p "$pattern" --label "$label" "$@" >>"$log/$label.txt" 2>&1 ||
    echo "warning: a run of $label failed (see below)" >&2
}

echo "# $(date -Is)  $(nproc) cores  load: $(cut -d' ' -f1-3 /proc/loadavg)"
for ((r = 1; r <= rounds; r++)); do
  measure minimal '^minimal window$' -- "$build/bench/minimal_window"
  # The main window's caption (older builds appended the program's name).
  measure vcquick '^MiravelCompany' -- "$build/vcquick"
  if [ -n "${BEFORE:-}" ]; then measure before '^MiravelCompany' -- "$BEFORE/vcquick"; fi
  if [ -n "${ACCESSIBLE:-}" ]; then
    measure a11y '^MiravelCompany' -e QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 -- "$build/vcquick"
  fi
done

# The per-run lines of the measuring script: "run N win_s rss_M hwm_M ...".
python3 - "$log" ${BEFORE:+before} ${ACCESSIBLE:+a11y} <<'PY'
import statistics, sys, pathlib
log = pathlib.Path(sys.argv[1])
fig = {}
for label in ("minimal", "vcquick", *sys.argv[2:]):
    rows = [l.split() for l in (log / f"{label}.txt").read_text().splitlines()
            if l.startswith("run ") and l.split()[2] != "none"]
    fig[label] = {"n": len(rows),
                  "win_s": statistics.median(float(r[2]) for r in rows),
                  "rss": statistics.median(float(r[3]) for r in rows),
                  "pss": statistics.median(float(r[7]) for r in rows)}
print(f"{'':10} {'runs':>5} {'win_s':>8} {'rss_MiB':>8} {'pss_MiB':>8}")
for label, f in fig.items():
    print(f"{label:10} {f['n']:5d} {f['win_s']:8.3f} {f['rss']:8.1f} {f['pss']:8.1f}")
m = fig["minimal"]
for label in fig:
    if label == "minimal":
        continue
    v = fig[label]
    print(f"{'ratio ' + label:10} {'':5} {v['win_s'] / m['win_s']:8.2f} {v['rss'] / m['rss']:8.2f} "
          f"{v['pss'] / m['pss']:8.2f}   (targets: 1.5, 1.5)")
PY
if grep -q WARNING "$log"/*.txt; then grep -h -B2 WARNING "$log"/*.txt >&2; fi
