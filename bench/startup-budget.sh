#!/usr/bin/env bash
# The start-up budget: time from process start to the first moving ticker frame
# of TavoPlayer, against a bare Qt window built the same way to its first paint,
# measured in pairs run one after the other (player, bare, player, bare, ...) so
# that a busy machine slows both alike. Prints the medians, the ratio and where
# the player's time goes, from its own trace points (common/StartupTrace.h).
#
# Usage: bench/startup-budget.sh [build folder] [pairs]   (run inside the repository)
# Runs the player on the demo presentation and on a big one made here (200
# channels, a 5,000-line ticker on the active one), and TavoCreator on a copy
# of the demo work area, to its bar painted with the last presentation open.
set -euo pipefail
build=${1:-build/default}
pairs=${2:-15}
if [ -z "${DISPLAY:-}" ]; then exec tests/e2e/in-xvfb.sh 1920x1080 "$0" "$@"; fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

demo="$PWD/$build/examples/DemoArea/Projects/Harbour Town/"

# The big presentation: 200 channels, the first one (the active one) with a
# 5,000-line ticker text.
big="$work/Big Show/"
mkdir -p "$big"
{
  printf '[Project Info]\r\nPresentation Name=Big Show\r\n[Subscribers]\r\n'
  for n in $(seq 1 200); do printf 'Subscriber%d=Channel %03d\r\n' "$n" "$n"; done
  printf '[Presentation Options]\r\nStartWith=Channel 001\r\nRunPlayList=0\r\n'
} >"$big/Project.ini"
for n in $(seq -w 1 200); do
  mkdir -p "$big/Channel $n"
  printf '[Sponsor Options]\r\nCaption Text=Channel %s\r\n' "$n" >"$big/Channel $n/!Tavo.ini"
  printf 'Channel %s news|\r\n' "$n" >"$big/Channel $n/Ticker.txt"
done
awk 'BEGIN { for (i = 1; i <= 5000; i++) printf "Line %d of the big ticker, with some words to draw|http://example.com/%d\r\n", i, i }' \
  >"$big/Channel 001/Ticker.txt"

# Runs one program until it quits at the trace label `quit`; prints the trace
# with each time in milliseconds from the start.
# The settings store of the runs: the first start of a player writes every
# default into it, so one unmeasured run fills it, and the measured runs start
# as a player does at every log-in.
export TAVO_SETTINGS_DIR="$work/settings"
run_traced() {
  local quit=$1; shift
  local trace="$work/trace.$$.$RANDOM"
  local start
  start=$(date +%s%N)
  TAVO_STARTUP_TRACE="$trace" TAVO_STARTUP_TRACE_QUIT="$quit" timeout 20 "$@" >/dev/null 2>&1 || true
  awk -v s="$start" '{ printf "%s\t%.1f\n", substr($0, 1, length($0) - length($NF) - 1), ($NF - s) / 1e6 }' "$trace"
  rm -f "$trace"
}

median() { sort -n | awk '{ a[NR] = $1 } END { if (NR) print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2); else print "nan" }'; }

measure() {
  local name=$1 folder=$2 budget=$3
  local log="$work/$name.log"
  : >"$log"
  run_traced "first ticker frame" "$build/player/TavoPlayer" "Path=$folder" >/dev/null
  for _ in $(seq "$pairs"); do
    run_traced "first ticker frame" "$build/player/TavoPlayer" "Path=$folder" | sed 's/^/player\t/' >>"$log"
    run_traced "first paint" "$build/bench/bare-window" --text | sed 's/^/bare\t/' >>"$log"
  done
  local player bare
  player=$(awk -F'\t' '$1 == "player" && $2 == "first ticker frame" { print $3 }' "$log" | median)
  bare=$(awk -F'\t' '$1 == "bare" && $2 == "first paint" { print $3 }' "$log" | median)
  echo "== $name ($pairs pairs)"
  echo "  player, start to first moving ticker frame: median $player ms"
  echo "  bare window with a line of text, start to first paint: median $bare ms"
  awk -v p="$player" -v b="$bare" -v budget="$budget" \
    'BEGIN { r = p / b; printf "  ratio %.2f (budget %.2f): %s\n", r, budget, (r <= budget ? "within" : "OVER") }'
  echo "  where the player's time goes (median ms from process start):"
  for label in "main" "qt ready" "bar constructed" "presentations found" "viewing options applied" "channel settings loaded" \
               "ticker text loaded" "bar dressed" "shown" "first ticker frame"; do
    local t
    t=$(awk -F'\t' -v l="$label" '$1 == "player" && $2 == l { print $3 }' "$log" | median)
    printf '    %-26s %s\n' "$label" "$t"
  done
  echo "  the bare window's (median ms from process start):"
  for label in "main" "qt ready" "shown" "first paint"; do
    local t
    t=$(awk -F'\t' -v l="$label" '$1 == "bare" && $2 == l { print $3 }' "$log" | median)
    printf '    %-26s %s\n' "$label" "$t"
  done
}

measure_creator() {
  local log="$work/creator.log"
  : >"$log"
  cp -r "$build/examples/CreatorArea" "$work/area"
  export TAVO_CREATOR_HOME="$work/area/"
  run_traced ready "$build/creator/TavoCreator" >/dev/null  # brings help pages and player into the area
  for _ in $(seq "$pairs"); do
    run_traced ready "$build/creator/TavoCreator" | sed 's/^/creator\t/' >>"$log"
    run_traced "first paint" "$build/bench/bare-window" --text | sed 's/^/bare\t/' >>"$log"
  done
  local creator bare
  creator=$(awk -F'\t' '$1 == "creator" && $2 == "ready" { print $3 }' "$log" | median)
  bare=$(awk -F'\t' '$1 == "bare" && $2 == "first paint" { print $3 }' "$log" | median)
  echo "== TavoCreator on the demo work area ($pairs pairs)"
  echo "  creator, start to bar painted and presentation open: median $creator ms"
  echo "  bare window with a line of text, start to first paint: median $bare ms"
  awk -v c="$creator" -v b="$bare" \
    'BEGIN { r = c / b; printf "  ratio %.2f (budget 1.20): %s\n", r, (r <= 1.2 ? "within" : "OVER") }'
  echo "  where the creator's time goes (median ms from process start):"
  for label in main "qt ready" "bar built" shown "first paint" "presentation opened" ready; do
    printf '    %-26s %s\n' "$label" "$(awk -F'\t' -v l="$label" '$1 == "creator" && $2 == l { print $3 }' "$log" | median)"
  done
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
measure "demo presentation" "$demo" 1.2
measure "200 channels, 5,000 ticker lines" "$big" 1.3
[ -x "$build/creator/TavoCreator" ] && measure_creator
