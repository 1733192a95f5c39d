#!/usr/bin/env bash
# The road from author to viewer, driven as a user would in a virtual display:
# a fresh work area, a new presentation, two content providers typed into
# Step 1, a caption and an idle ticker line with a hotlink set for the first in
# Step 4 and the ticker text editor, then the test button: the player's bar
# shows that caption and that line.
# It types with xdotool, which loses keys on a heavily loaded machine, so it is run by hand
# (tests/e2e/in-xvfb.sh 1280x800 tests/e2e/creator_road.sh <TavoCreator>), not by ctest.
# With E2E_SHOTS set to a folder, screenshots of each stage are written there.
set -uo pipefail
creator=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

work=$(mktemp -d)
trap 'kill $pid 2>/dev/null; [ -n "${player:-}" ] && kill $player 2>/dev/null; rm -rf "$work"' EXIT
export TAVO_CREATOR_HOME="$work/area/" TAVO_SETTINGS_DIR="$work/settings" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
E2E_LOGS="$work/creator.err"
read -r screen_width screen_height < <(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
shot() { [ -n "${E2E_SHOTS:-}" ] && mkdir -p "$E2E_SHOTS" && import -window root "$E2E_SHOTS/$1.png"; true; }
field() { xdotool getwindowgeometry --shell "$1" | sed -n "s/^$2=//p"; }
window_sized() {
  local w
  for w in $(visible_windows "$1"); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$2" ] && [ "$(field "$w" WIDTH)" = "$3" ] && { echo "$w"; return 0; }
  done
  return 1
}
type_answer() {
  local box
  box=$(window_titled $pid "$1") || return 1
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool type --delay 20 "$2"
  xdotool key --clearmodifiers Return
}
# Clicks at x, y inside window $1.
click_in() { xdotool mousemove $(( $(field "$1" X) + $2 )) $(( $(field "$1" Y) + $3 )) click 1; sleep 1; }
typed() { sleep 0.5; xdotool type --delay 40 "$1"; sleep 0.5; }

"$creator" 2>"$work/creator.err" &
pid=$!
show="$work/area/Projects/Road Show"

wait_for 20 window_titled $pid "New Presentation" || fail "no New Presentation prompt"
type_answer "New Presentation" "Road Show" || fail "could not answer the prompt"
wait_for 20 window_sized $pid "Creator - Road Show" 754 || fail "the wizard did not open"
wizard=$(window_sized $pid "Creator - Road Show" 754)
wait_for 20 window_sized $pid "Creator - Road Show" "$screen_width" || fail "no bar"
bar=$(window_sized $pid "Creator - Road Show" "$screen_width")
sleep 0.5

# Step 1: two providers typed into the grid; each folder appears as the row is left.
click_in "$wizard" 132 253
typed "Harbour News"; xdotool key Down; sleep 0.3
typed "Sports"; xdotool key Down; sleep 0.3
wait_for 10 test -d "$show/Harbour News" || fail "typing a provider did not create its folder"
wait_for 10 test -d "$show/Sports" || fail "the second provider's folder is missing"
shot road-step1
echo "ok: Step 1 made two providers"

# Step 4 for the first provider: a caption, then the idle ticker text with a hotlink.
click_step() {
  local width=$(( (754 + 2 + 44) / 12 ))
  xdotool mousemove $(( $(field "$wizard" X) - 1 + $1 * (width - 4) + width / 2 )) $(( $(field "$wizard" Y) + 26 )) click 1
  sleep 0.5
}
click_step 4
grep -q "^Subscriber1=Harbour News" "$show/Project.ini" || fail "Project.ini lacks the first provider"
grep -q "^Subscriber2=Sports" "$show/Project.ini" || fail "Project.ini lacks the second provider"
click_in "$wizard" 100 336
xdotool key ctrl+a; typed "Harbour Town Today"
shot road-step4
click_in "$wizard" 100 415
wait_for 10 window_titled $pid "Tavo Player Ticker Text - Ticker.txt" || fail "the ticker text editor did not open"
editor=$(window_titled $pid "Tavo Player Ticker Text - Ticker.txt")
click_in "$editor" 200 79
typed "Ferry times change on Monday"
click_in "$editor" 531 79
typed "http://www.example.com"
click_in "$editor" 200 96
shot road-editor
click_in "$editor" 545 279
wait_for 10 bash -c "! xdotool search --onlyvisible --name 'Tavo Player Ticker Text' >/dev/null" || fail "the editor did not close"
grep -q "^Ferry times change on Monday|http://www.example.com" "$show/Harbour News/Ticker.txt" ||
  fail "Ticker.txt lacks the typed line: $(cat "$show/Harbour News/Ticker.txt" 2>&1)"
click_step 0
grep -q "^Caption Text=Harbour Town Today" "$show/Harbour News/!Tavo.ini" || fail "the caption was not saved"
echo "ok: Step 4 and the ticker text editor saved the caption and the line"

# The test button: the player's bar shows them.
xdotool mousemove $(( $(field "$bar" X) + screen_width - 156 + 35 )) $(( $(field "$bar" Y) + 24 + 4 + 11 )) click 1
find_player() { pgrep -f "$work/area/FileSet/TavoPlayer"; }
wait_for 20 find_player || fail "the player was not started"
player=$(find_player | head -1)
wait_for 20 window_titled $player TavoPlayer || { shot road-test-failed; fail "the player's bar did not appear"; }
sleep 1.5
shot road-player
echo "ok: the test button started the player on the presentation"
kill $player; wait $player 2>/dev/null; player=
