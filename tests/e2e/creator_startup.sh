#!/usr/bin/env bash
# The creator started for real on a fresh work area in a virtual display:
# - it creates its folders, finds no presentation and asks for a new one;
# - the name typed makes the presentation and opens the wizard at step 1;
# - every step button is clicked (the first past step 1 asks for a content provider);
# - the test button starts the work area's TavoPlayer on the new presentation, whose bar appears.
# With E2E_SHOTS set to a folder, screenshots of the bar and the wizard are written there.
set -uo pipefail
creator=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

work=$(mktemp -d)
trap 'kill $pid 2>/dev/null; [ -n "${player:-}" ] && kill $player 2>/dev/null; rm -rf "$work"' EXIT
export TAVO_CREATOR_HOME="$work/area/" TAVO_SETTINGS_DIR="$work/settings" TAVO_ECHO_MESSAGES=1 XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
E2E_LOGS="$work/creator.err"
read -r screen_width screen_height < <(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
shot() { [ -n "${E2E_SHOTS:-}" ] && mkdir -p "$E2E_SHOTS" && import -window root "$E2E_SHOTS/$1.png"; true; }
field() { xdotool getwindowgeometry --shell "$1" | sed -n "s/^$2=//p"; }
# The visible window of the process with the given title and width.
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

"$creator" 2>"$work/creator.err" &
pid=$!

# 1. First start: the nine folders and the New Presentation prompt.
wait_for 20 window_titled $pid "New Presentation" || fail "no New Presentation prompt"
for f in Projects FileSet Help Custom Custom/Slideshow Custom/Thumbnail "Custom/Text Files" Custom/Playlist Custom/TavoContent; do
  [ -d "$work/area/$f" ] || fail "the work area lacks $f"
done
[ -x "$work/area/FileSet/TavoPlayer" ] || fail "the player was not put into FileSet"
[ -f "$work/area/Help/Step1.htm" ] || fail "the help pages were not put into Help"
type_answer "New Presentation" "Fixture Show" || fail "could not answer the prompt"

# 2. The wizard at step 1 and the bar at the bottom.
wait_for 20 window_sized $pid "Creator - Fixture Show" 754 || fail "the wizard did not open"
wizard=$(window_sized $pid "Creator - Fixture Show" 754)
wait_for 20 window_sized $pid "Creator - Fixture Show" "$screen_width" || fail "no bar as wide as the screen"
bar=$(window_sized $pid "Creator - Fixture Show" "$screen_width")
[ "$(field "$bar" Y)" = $((screen_height - 75 - 27)) ] || fail "the bar is not docked at the bottom"
grep -q "^StartWith=" "$work/area/Projects/Fixture Show/Project.ini" || fail "Project.ini lacks StartWith"
grep -q "^Sound=On" "$work/area/Projects/Fixture Show/Project.ini" || fail "Project.ini lacks Sound=On"
sleep 0.5
shot creator-step1
echo "ok: first start, New Presentation, wizard at step 1"

# 3. Every step button; step 2 first asks for a content provider.
wx=$(field "$wizard" X); wy=$(field "$wizard" Y)
click_step() {
  local width=$(( (754 + 2 + 44) / 12 ))
  xdotool mousemove $((wx - 1 + $1 * (width - 4) + width / 2)) $((wy + 26)) click 1
}
click_step 0
sleep 0.5
shot creator-step0
click_step 2
wait_for 20 window_titled $pid "New Content Provider" || fail "step 2 did not ask for a content provider"
type_answer "New Content Provider" "News" || fail "could not answer the provider prompt"
wait_for 10 test -d "$work/area/Projects/Fixture Show/News" || fail "the content provider folder was not made"
for step in 3 4 5 6 7 8 9 10 11 1 0; do
  click_step $step
  sleep 0.2
  kill -0 $pid || fail "the creator ended at step $step"
done
grep -q "^Subscriber1=News" "$work/area/Projects/Fixture Show/Project.ini" || fail "the provider is not in Project.ini"
echo "ok: every step button"

# 4. The test button starts the player on the presentation. The player shows
# only content providers that have their settings file, which the step
# editors write; this script writes a small one in their place.
printf '[Sponsor Options]\r\nCaption Text=Fixture News\r\n' > "$work/area/Projects/Fixture Show/News/!Tavo.ini"
printf 'First line|http://www.example.com\r\n' > "$work/area/Projects/Fixture Show/News/Ticker.txt"
bx=$(field "$bar" X); by=$(field "$bar" Y)
xdotool mousemove $((bx + screen_width - 156 + 35)) $((by + 24 + 4 + 11)) click 1
find_player() { pgrep -f "$work/area/FileSet/TavoPlayer"; }
wait_for 20 find_player || fail "the player was not started"
player=$(find_player | head -1)
wait_for 20 window_titled $player TavoPlayer || { shot creator-test-failed; fail "the player's bar did not appear"; }
tr '\0' '\n' </proc/$player/cmdline | grep -qx "Path=$work/area/Projects/Fixture Show/" || fail "the player got another argument"
sleep 0.5
shot creator-test-run
echo "ok: the test button started the player"
kill $player; wait $player 2>/dev/null; player=

# 5. Closing ends the creator and stores the presentation.
xdotool mousemove $((bx + screen_width - 4 - 12)) $((by + 24 + 4 + 11)) click 1
wait_for 20 bash -c "! kill -0 $pid" || fail "the close button did not end the creator"
grep -q "^CurProject=Fixture Show" "$work/area/TavoCreator.ini" || fail "CurProject was not stored"
echo "ok: closed and stored"
