#!/usr/bin/env bash
# Time from process start to the shown window, for TavoPlayer on the demo
# presentation and for a bare Qt window built the same way, in Xvfb.
# Usage: bench/player-start.sh [build folder] [runs]   (run inside the repository)
set -euo pipefail
build=${1:-build/default}
runs=${2:-10}
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"; fi

demo="$PWD/$build/examples/DemoArea/Projects/Harbour Town/"
export TAVO_SETTINGS_DIR=$(mktemp -d)
trap 'rm -rf "$TAVO_SETTINGS_DIR"' EXIT

# Milliseconds from start until a visible window of the process exists.
time_to_window() {
  local start end pid
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid $pid >/dev/null 2>&1; do sleep 0.005; done
  end=$(date +%s%N)
  kill $pid; wait $pid 2>/dev/null || true
  echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for what in player bare; do
  for i in $(seq "$runs"); do
    if [ $what = player ]; then
      time_to_window "$build/player/TavoPlayer" "Path=$demo"
    else
      time_to_window "$build/bench/bare-window"
    fi
  done | median | sed "s/^/$what: median ms to shown window: /"
done
