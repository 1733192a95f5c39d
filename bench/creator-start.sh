#!/usr/bin/env bash
# TavoCreator's start against a bare Qt window built the same way: time from
# process start until the creator's bar is painted and its last presentation is
# open ("ready"), against the bare window's first paint, run in pairs one after
# the other (creator, bare, creator, bare, ...) so that a busy machine slows
# both alike. The work area holds 20 presentations of 5 content providers each.
#
# Usage: bench/creator-start.sh [build folder] [pairs]   (run inside the repository)
set -euo pipefail
build=${1:-build/default}
pairs=${2:-15}
if [ -z "${DISPLAY:-}" ]; then exec tests/e2e/in-xvfb.sh 1920x1080 "$0" "$@"; fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run" TAVO_SETTINGS_DIR="$work/settings" TAVO_CREATOR_HOME="$work/area/"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

for p in $(seq -w 1 20); do
  show="$work/area/Projects/Show $p"
  mkdir -p "$show"
  {
    printf '[Project Info]\r\nPresentation Name=Show %s\r\n[Subscribers]\r\n' "$p"
    for c in 1 2 3 4 5; do printf 'Subscriber%d=Channel %d\r\n' "$c" "$c"; done
    printf '[Presentation Options]\r\nStartWith=Channel 1\r\n'
  } >"$show/Project.ini"
  for c in 1 2 3 4 5; do
    mkdir -p "$show/Channel $c"
    printf '[Sponsor Options]\r\nCaption Text=Channel %d\r\n' "$c" >"$show/Channel $c/!Tavo.ini"
  done
done
printf '[General]\r\nCurProject=Show 07\r\n' >"$work/area/TavoCreator.ini"

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

log="$work/start.log"
# One unmeasured start brings the help pages and the player into the work area.
run_traced ready "$build/creator/TavoCreator" >/dev/null
for _ in $(seq "$pairs"); do
  run_traced ready "$build/creator/TavoCreator" | sed 's/^/creator\t/' >>"$log"
  run_traced "first paint" "$build/bench/bare-window" --text | sed 's/^/bare\t/' >>"$log"
done
creator=$(awk -F'\t' '$1 == "creator" && $2 == "ready" { print $3 }' "$log" | median)
bare=$(awk -F'\t' '$1 == "bare" && $2 == "first paint" { print $3 }' "$log" | median)
echo "== TavoCreator on a work area with 20 presentations ($pairs pairs, load $(cut -d' ' -f1-3 /proc/loadavg))"
echo "  creator, start to bar painted and presentation open: median $creator ms"
echo "  bare window with a line of text, start to first paint: median $bare ms"
awk -v c="$creator" -v b="$bare" 'BEGIN { r = c / b; printf "  ratio %.2f (budget 1.30): %s\n", r, (r <= 1.3 ? "within" : "OVER") }'
echo "  where the creator's time goes (median ms from process start):"
for label in main "qt ready" "bar built" shown "first paint" "presentation opened" ready; do
  printf '    %-22s %s\n' "$label" "$(awk -F'\t' -v l="$label" '$1 == "creator" && $2 == l { print $3 }' "$log" | median)"
done
