#!/usr/bin/env bash
# Resident memory and process count of TavoPlayer idling on the demo, for two
# builds side by side (interleaved runs), e.g. before and after a change.
# Each run starts the player, waits until it idles, then reads VmRSS of the
# player and counts the player with every process descended from it.
# Usage: bench/player-idle-memory.sh <build A> <build B> [runs] [seconds]
#   (run inside the repository; the demo is taken from build A)
set -euo pipefail
a=$1; b=$2
runs=${3:-3}
seconds=${4:-4}
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"; fi

demo="$(cd "$a" && pwd)/examples/DemoArea/Projects/Harbour Town/"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run" && mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

descendants() {  # the pid and all its descendants
  local p=$1
  echo "$p"
  for c in $(pgrep -P "$p" || true); do descendants "$c"; done
}

measure() {  # build folder -> "rss_kb processes"
  export TAVO_SETTINGS_DIR="$work/settings-$RANDOM"
  "$1/player/TavoPlayer" "Path=$demo" >/dev/null 2>&1 &
  local pid=$!
  sleep "$seconds"
  local rss procs
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  procs=$(descendants "$pid" | wc -l)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$rss $procs"
}

for i in $(seq "$runs"); do
  for build in "$a" "$b"; do
    read -r rss procs < <(measure "$build")
    printf '%-40s run %d: VmRSS %6d kB, %d process(es)\n' "$build" "$i" "$rss" "$procs"
  done
done
