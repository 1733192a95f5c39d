#!/usr/bin/env bash
# The video window's figures on a 5-second 1280 x 720 clip made by
# scripts/make-test-media.sh, in Xvfb:
#  - Play to first frame: milliseconds from the window's start to its first
#    frame on screen, for the first Play of a process (loads the media back
#    end) and for a later one.
#  - CPU while playing the clip to its end in the video window, beside
#    gst-launch-1.0 playbin playing the same file in the same display; runs
#    interleaved, CPU seconds (user + system) of each process.
# Usage: bench/video-playback.sh [build folder] [runs]   (run inside the repository)
set -euo pipefail
build=${1:-build/default}
runs=${2:-5}
if [ -z "${DISPLAY:-}" ]; then exec tests/e2e/in-xvfb.sh 1920x1080 "$0" "$@"; fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scripts/make-test-media.sh "$work" 5 1280x720
clip=$work/clip.mp4
tool=$build/bench/video-window-run
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
# Each process starts the clip twice: the first start loads the media back end
# (what the user's first Play costs), the second reuses it.
: > "$work/cold"; : > "$work/warm"
for i in $(seq "$runs"); do
  "$tool" first-frame "$clip" 2 2>/dev/null > "$work/first" || true
  sed -n 1p "$work/first" >> "$work/cold"
  sed -n 2p "$work/first" >> "$work/warm"
done
echo "Play to first frame, first Play of the process, median of $runs: $(median < "$work/cold") ms"
echo "Play to first frame, later Play, median of $runs: $(median < "$work/warm") ms"

# CPU seconds of a command run to its end.
cpu() {
  /usr/bin/time -f "%U %S" -o "$work/t" "$@" >/dev/null 2>&1 || true
  awk '{printf "%.2f\n", $1 + $2}' "$work/t"
}
: > "$work/ours"; : > "$work/gst"
for i in $(seq "$runs"); do
  cpu "$tool" play "$clip" >> "$work/ours"
  # playbin's own choice of video sink (xvimagesink) crashes in Xvfb; the plain X sink draws the same frames.
  cpu gst-launch-1.0 -q playbin uri="file://$clip" video-sink="videoconvert ! ximagesink" >> "$work/gst"
done
ours=$(median < "$work/ours"); gst=$(median < "$work/gst")
echo "CPU playing the clip, median of $runs: video window ${ours} s, gst-launch-1.0 playbin ${gst} s"
awk -v a="$ours" -v b="$gst" 'BEGIN { if (b > 0) printf "ratio: %.2f\n", a / b }'
