#!/usr/bin/env bash
# CPU used by TavoPlayer idling on the demo presentation (ticker scrolling,
# streaming ad running), in Xvfb: user + system time over a measuring window,
# read from /proc/<pid>/stat, as a percentage of one core.
# Usage: bench/player-idle-cpu.sh [build folder] [seconds] [Ticker Data Speed]
#   (run inside the repository; speed 6 is speed7_VeryFast, the default)
set -euo pipefail
build=${1:-build/default}
seconds=${2:-10}
speed=${3:-6}
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"; fi

demo="$PWD/$build/examples/DemoArea/Projects/Harbour Town/"
work=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
export TAVO_SETTINGS_DIR="$work/settings" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$TAVO_SETTINGS_DIR/user/Software/Corvenna/TavoPlayer/Viewing Options" \
         "$TAVO_SETTINGS_DIR/machine/Software/Corvenna/TavoPlayer"
printf 'dword:Ticker Data Speed=%s\n' "$speed" > "$TAVO_SETTINGS_DIR/user/Software/Corvenna/TavoPlayer/Viewing Options/.values"
printf 'sz:ActiveSubscriber=Town News\n' > "$TAVO_SETTINGS_DIR/machine/Software/Corvenna/TavoPlayer/.values"

"$build/player/TavoPlayer" "Path=$demo" >/dev/null 2>&1 &
pid=$!
sleep 3  # start-up and first paints are not idling

ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
t0=$(ticks); s0=$(date +%s%N)
sleep "$seconds"
t1=$(ticks); s1=$(date +%s%N)
kill -0 $pid || { echo "the player ended during the measurement" >&2; exit 1; }
awk -v t=$((t1 - t0)) -v hz="$hz" -v ns=$((s1 - s0)) \
  'BEGIN { cpu = t / hz; wall = ns / 1e9; printf "TavoPlayer idle on the demo, Ticker Data Speed %s: %.2f s CPU in %.1f s = %.2f %% of one core\n", '"$speed"', cpu, wall, 100 * cpu / wall }'
