#!/usr/bin/env bash
# Builds the seven sound cues of VCQuick from scratch with SoX.
#
#   assets/sounds/make-cues.sh [OUTDIR]
#
# Every cue is 16-bit PCM, mono, 22050 Hz, with a short fade at both ends so
# that nothing clicks when a cue starts or is cut off by the next one.
# Several cues are played synchronously and hold the program while they
# sound, so their lengths are kept well inside these limits:
#   button 40 ms, button2 40 ms, piyo1 150 ms, piyo 350 ms, oldng 350 ms,
#   change 500 ms, huku about 1 s.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here}
mkdir -p "$out"

command -v sox >/dev/null || { echo "make-cues.sh: sox is not installed" >&2; exit 1; }

rate=22050

# Repeatable mode: dither and noise use a fixed seed, so the same script
# always writes byte-identical files.
sox() { command sox -R "$@"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Common output format.
fmt=(-r "$rate" -b 16 -c 1 -e signed-integer)

# tone FILE LENGTH FADE_IN FADE_OUT SHAPE SYNTH-ARGS...
# One note: the synth arguments (several generators joined with "mix") under
# a fade-in/fade-out envelope. SHAPE is a SoX fade type (q, h, t, l, p).
tone() {
    local file=$1 len=$2 fin=$3 fout=$4 shape=$5
    shift 5
    sox -n "${fmt[@]}" "$work/$file" synth "$len" "$@" \
        fade "$shape" "$fin" "$len" "$fout"
}

# at FILE OFFSET: the note delayed by OFFSET seconds (for overlapping notes).
at() {
    sox "$work/$1" "$work/at-$1" pad "$2"
    echo "$work/at-$1"
}

# finish NAME PEAK INPUT...: mix the inputs, bring the peak to PEAK dBFS and
# write NAME.wav with fresh edge fades.
finish() {
    local name=$1 peak=$2
    shift 2
    local len
    if [ $# -gt 1 ]; then
        sox -m "$@" "${fmt[@]}" "$work/mix-$name.wav"
    else
        sox "$1" "${fmt[@]}" "$work/mix-$name.wav"
    fi
    len=$(soxi -D "$work/mix-$name.wav")
    sox "$work/mix-$name.wav" "${fmt[@]}" "$out/$name.wav" \
        gain -n "$peak" fade t 0.001 "$len" 0.004
}

# button.wav -- command click, ~30 ms: a bright tick over a short wooden body.
tone click-hi.wav 0.012 0.0005 0.011 l sine 3200 sine mix 4700
tone click-lo.wav 0.030 0.001 0.028 l sine 1250 sine mix 1875
finish button -6 "$work/click-hi.wav" "$work/click-lo.wav"

# button2.wav -- key click, ~25 ms: softer and lower than button.wav.
tone key.wav 0.025 0.002 0.022 l sine 880 sine mix 1320 sine mix 2640
sox "$work/key.wav" "$work/key-soft.wav" lowpass 2500
finish button2 -9 "$work/key-soft.wav"

# piyo1.wav -- soft blip, ~100 ms: a gentle upward glide, E6 to A6.
tone blip.wav 0.100 0.008 0.080 h sine 1318:1760 sine mix 2637:3520
sox "$work/blip.wav" "$work/blip-soft.wav" lowpass 3000
finish piyo1 -8 "$work/blip-soft.wav"

# piyo.wav -- right answer, ~270 ms: "pi-yo", a rising fourth C6 -> F6 and
# a lifted G6 at the end, each note with a little upward chirp.
tone pi.wav 0.085 0.004 0.040 q sine 1000:1047 sine mix 2000:2093
tone yo.wav 0.085 0.004 0.040 q sine 1330:1397 sine mix 2660:2794
tone hi.wav 0.150 0.006 0.130 l sine 1500:1568 sine mix 3000:3136 sine mix 4704
finish piyo -6 "$work/pi.wav" "$(at yo.wav 0.070)" "$(at hi.wav 0.120)"

# oldng.wav -- wrong answer, ~300 ms: a low, slightly buzzy falling tritone
# (C#4 -> G3), rounded off with a low-pass filter.
tone ng1.wav 0.120 0.005 0.030 q square 277 sine mix 138.5
tone ng2.wav 0.190 0.010 0.150 q square 196:185 sine mix 98
sox "$work/ng1.wav" "$work/ng1-f.wav" lowpass 1100 lowpass 1600
sox "$work/ng2.wav" "$work/ng2-f.wav" lowpass 900 lowpass 1400
# (the buzz carries more energy than the sine cues: its peak stays lower)
finish oldng -8 "$work/ng1-f.wav" "$(at ng2-f.wav 0.115)"

# change.wav -- batch change chime, ~400 ms: two bell strokes, G5 then C6,
# each a fundamental with its octave and a faint inharmonic partial.
tone bell1.wav 0.240 0.004 0.235 l sine 784 sine mix 1568 sine mix 2117
tone bell2.wav 0.290 0.004 0.285 l sine 1047 sine mix 2093 sine mix 2826
finish change -6 "$work/bell1.wav" "$(at bell2.wav 0.110)"

# huku.wav -- short fanfare, ~1 s: C5 E5 G5 as quick brassy pickups, then a
# held C major chord (E5 G5 C6).
brass() { # FILE LENGTH FREQ FADE_OUT
    tone "$1" "$2" 0.012 "$4" q sawtooth "$3" sine mix "$3"
    sox "$work/$1" "$work/f-$1" lowpass 2200 lowpass 3000
    echo "$work/f-$1"
}
n1=$(brass fan1.wav 0.130 523.25 0.040)
n2=$(brass fan2.wav 0.130 659.25 0.040)
n3=$(brass fan3.wav 0.130 783.99 0.040)
c1=$(brass fan4.wav 0.600 1046.5 0.380)
c2=$(brass fan5.wav 0.600 659.25 0.380)
c3=$(brass fan6.wav 0.600 783.99 0.380)
sox "$n1" "$work/n1.wav"; sox "$n2" "$work/n2.wav" pad 0.120
sox "$n3" "$work/n3.wav" pad 0.240
sox -m "$c1" "$c2" "$c3" "$work/chord.wav"
sox "$work/chord.wav" "$work/chord-at.wav" pad 0.380
finish huku -6 "$work/n1.wav" "$work/n2.wav" "$work/n3.wav" "$work/chord-at.wav"

for f in button button2 piyo1 piyo oldng change huku; do
    printf '%-12s %6.3f s\n' "$f.wav" "$(soxi -D "$out/$f.wav")"
done
