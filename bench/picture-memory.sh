#!/usr/bin/env bash
# Resident memory of TavoPlayer with a slideshow of 600 pictures open against
# one of 6, in Xvfb: each run starts the player, opens the set from the bar's
# button, lets the slideshow show a picture a second for a while and then reads
# the process's resident size (VmRSS) and its peak (VmHWM). Runs alternate
# between the two sets (6, 600, 6, 600, ...), so that a busy machine weighs on
# both alike. The pictures are the demo's own (1600 x 1000 JPEG), hard-linked
# under as many names as the set has entries.
# Usage: bench/picture-memory.sh [build folder] [runs of each] [seconds shown]
set -euo pipefail
build=${1:-build/default}
runs=${2:-3}
seconds=${3:-15}
if [ -z "${DISPLAY:-}" ]; then exec tests/e2e/in-xvfb.sh 1920x1080 "$0" "$@"; fi
. tests/e2e/lib.sh

views="$PWD/$build/examples/DemoArea/Projects/Harbour Town/Art Gallery/Harbour Views"
[ -f "$views/view1.jpg" ] || { echo "build the demo first (target demo_sets)" >&2; exit 1; }
work=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
pid=

# presentation <pictures>: a presentation whose only channel has a button opening a set of that many pictures.
presentation() {
  local show="$work/show$1" set
  set="$show/Gallery/Pictures"
  mkdir -p "$set"
  printf '[Project Info]\r\nPresentation Name=Show\r\n' > "$show/Project.ini"
  printf '[Buttons]\r\nButton1=Big\r\nAction1=Slideshow Pictures\r\n' > "$show/Gallery/!Tavo.ini"
  {
    printf '[Slideshow Options]\r\nCycle Interval=00:01\r\n[Images]\r\n'
    for n in $(seq 1 "$1"); do
      ln "$views/view$(( (n - 1) % 8 + 1 )).jpg" "$set/p$n.jpg"
      printf 'Image%d=p%d.jpg|Picture %d\r\n' "$n" "$n" "$n"
    done
  } > "$set/Slideshow.ini"
  echo "$show/"
}

# measure <presentation>: prints "rss hwm" in kB after the set has been shown for a while.
measure() {
  export TAVO_SETTINGS_DIR="$work/settings" XDG_RUNTIME_DIR="$work/run"
  rm -rf "$TAVO_SETTINGS_DIR"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  "$build/player/TavoPlayer" "Path=$1" 2>/dev/null &
  pid=$!
  wait_for 20 window_titled $pid TavoPlayer || fail "the player did not start"
  sleep 1
  xdotool mousemove --sync 102 11 click 1
  wait_for 10 window_titled $pid "Slide Show" || fail "the slideshow did not open"
  sleep "$seconds"
  local rss hwm
  rss=$(awk '/^VmRSS:/ {print $2}' /proc/$pid/status)
  hwm=$(awk '/^VmHWM:/ {print $2}' /proc/$pid/status)
  kill $pid; wait $pid 2>/dev/null || true
  pid=
  echo "$rss $hwm"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

small=$(presentation 6)
big=$(presentation 600)
: > "$work/6" ; : > "$work/600"
for i in $(seq "$runs"); do
  measure "$small" >> "$work/6"
  measure "$big" >> "$work/600"
done
for n in 6 600; do
  echo "$n pictures: resident $(cut -d' ' -f1 "$work/$n" | median) kB, peak $(cut -d' ' -f2 "$work/$n" | median) kB (medians of $runs runs: $(cut -d' ' -f1 "$work/$n" | tr '\n' ' '))"
done
awk -v a="$(cut -d' ' -f1 "$work/600" | median)" -v b="$(cut -d' ' -f1 "$work/6" | median)" \
  'BEGIN {printf "ratio of the resident sizes, 600 / 6: %.3f (budget 1.2)\n", a / b}'
