#!/usr/bin/env bash
# The bar on the demo presentation, started for real in a virtual display:
# - it is as wide as the screen, 50 pixels high and docked at the top;
# - "Move Ticker to Bottom" docks it at the bottom, and the position is stored at close;
# - started again with jumbo text it is 74 pixels high and comes back at the bottom.
# With E2E_SHOTS set to a folder, screenshots of each state are written there.
set -uo pipefail
player=$1
demo=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

work=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
export TAVO_SETTINGS_DIR="$work/settings" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
E2E_LOGS="$work/player.err"
mkdir -p "$TAVO_SETTINGS_DIR/machine/Software/Corvenna/TavoPlayer"
printf 'sz:ActiveSubscriber=Town News\n' > "$TAVO_SETTINGS_DIR/machine/Software/Corvenna/TavoPlayer/.values"
options="$TAVO_SETTINGS_DIR/user/Software/Corvenna/TavoPlayer/Viewing Options/.values"
read -r screen_width screen_height < <(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')

geometry() { xdotool getwindowgeometry --shell "$1"; }
field() { geometry "$1" | sed -n "s/^$2=//p"; }
# field_is <window> <field> <value>: for wait_for, which must read the field anew on every try.
field_is() { [ "$(field "$1" "$2")" = "$3" ]; }
shot() { [ -n "${E2E_SHOTS:-}" ] && mkdir -p "$E2E_SHOTS" && import -window root "$E2E_SHOTS/$1.png"; true; }
start() {
  "$player" "Path=$demo" 2>"$work/player.err" &
  pid=$!
  wait_for 20 window_titled $pid TavoPlayer || fail "no window titled TavoPlayer appeared"
  bar=$(window_titled $pid TavoPlayer)
  sleep 1
}

# 1. Defaults: at the top, 50 high, as wide as the screen.
start
[ "$(field "$bar" WIDTH)" = "$screen_width" ] || fail "the bar is not as wide as the screen"
[ "$(field "$bar" HEIGHT)" = 50 ] || fail "the bar is $(field "$bar" HEIGHT) pixels high, not 50"
[ "$(field "$bar" Y)" = 0 ] || fail "the bar is not at the top"
shot top-large
echo "ok: bar at the top, ${screen_width} x 50"

# 2. "Move Ticker to Bottom" (left of the sound button, in the button row at the top).
down_x=$(( screen_width - 22 - 18 - 4 - 21 - 2 - 34 + 17 ))
xdotool mousemove --sync "$down_x" 10 click 1
wait_for 10 field_is "$bar" Y $(( screen_height - 50 )) || fail "the bar did not move to the bottom"
shot bottom-large
echo "ok: moved to the bottom"

# BtnClose closes the bar and stores the position; the next start comes back there, with jumbo text.
xdotool mousemove --sync $(( screen_width - 22 + 9 )) $(( screen_height - 50 + 4 + 9 )) click 1
wait_for 10 bash -c "! kill -0 $pid" || fail "BtnClose did not end the player"
grep -q 'sz:Ticker Position=Bottom' "$options" || fail "the position was not stored at close"
sed -i 's/^sz:Ticker Text Size=.*/sz:Ticker Text Size=Jumbo/' "$options"
start
wait_for 10 field_is "$bar" HEIGHT 74 || fail "with jumbo text the bar is $(field "$bar" HEIGHT) pixels high, not 74"
wait_for 10 field_is "$bar" Y $(( screen_height - 74 )) || fail "the bar did not come back at the bottom"
shot bottom-jumbo
echo "ok: jumbo text, 74 high, at the bottom"
kill $pid; wait $pid 2>/dev/null
exit 0
