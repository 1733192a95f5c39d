#!/usr/bin/env bash
# Time from start to the first window of a self-extracting file (the demo
# presentation with a user message, so the message box is that window), next
# to a bare Qt window, in Xvfb; and the size of the extractor program.
# Usage: bench/sfx-start.sh [build folder] [runs]   (run inside the repository)
set -euo pipefail
build=${1:-build/default}
runs=${2:-10}
# A virtual display of its own (xvfb-run -a can race other runs for a display number).
if [ -z "${DISPLAY:-}" ]; then exec tests/e2e/in-xvfb.sh 1280x800 "$0" "$@"; fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work TAVO_SETTINGS_DIR=$work/settings
area="$PWD/$build/examples/DemoArea"
"$build/sfx/make-sfx" "$area" "Harbour Town" "$work/Harbour Town.exe" --message "Welcome" "Hello"
echo "extractor program: $(stat -c %s "$area/ZipSFX32.bin") bytes (stripped); demo file: $(stat -c %s "$work/Harbour Town.exe") bytes"

time_to_window() {
  local start end pid
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid $pid >/dev/null 2>&1; do
    kill -0 $pid 2>/dev/null || { echo "the program ended without a window" >&2; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  kill $pid; wait $pid 2>/dev/null || true
  echo $(( (end - start) / 1000000 ))
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for i in $(seq "$runs"); do
  time_to_window "$work/Harbour Town.exe" >>"$work/sfx.ms"
  time_to_window "$build/bench/bare-window" >>"$work/bare.ms"
done
echo "self-extractor: median ms to its first window: $(median <"$work/sfx.ms") (load $(cut -d' ' -f1 /proc/loadavg))"
echo "bare Qt window: median ms to shown window: $(median <"$work/bare.ms")"
