#!/usr/bin/env bash
# The player started for real in a virtual display:
# - on a presentation it shows its bar, a window titled "TavoPlayer";
# - a second start says "TavoPlayer is already open." and leaves the first running;
# - with no presentation anywhere it says "TavoPlayer could not find any presentations"
#   and ends without showing the bar.
set -uo pipefail
player=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

work=$(mktemp -d)
trap 'kill $first 2>/dev/null; rm -rf "$work"' EXIT
export TAVO_SETTINGS_DIR="$work/settings" TAVO_ECHO_MESSAGES=1 XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
make_presentation "$work/Fixture Show"
screen_width=$(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x.*/\1/p')

# 1. The bar.
"$player" "Path=$work/Fixture Show/" 2>"$work/first.err" &
first=$!
wait_for 20 window_titled $first TavoPlayer || fail "no window titled TavoPlayer appeared"
bar=$(window_titled $first TavoPlayer)
[ "$(window_width "$bar")" = "$screen_width" ] || fail "the bar is not as wide as the screen"
echo "ok: bar shown"

# 2. A second start.
"$player" "Path=$work/Fixture Show/" 2>"$work/second.err" &
second=$!
wait_for 20 grep -q "TavoPlayer is already open." "$work/second.err" || fail "the second start did not say it is already open"
wait_for 20 window_titled $second TavoPlayer || fail "the second start showed no message box"
box=$(window_titled $second TavoPlayer)
[ "$(window_width "$box")" != "$screen_width" ] || fail "the second start showed a bar"
press_enter "$box"
wait_for 20 bash -c "! kill -0 $second" || fail "the second start did not end after its message"
kill -0 $first || fail "the first instance ended"
echo "ok: second start refused, first still running"
kill $first; wait $first 2>/dev/null

# 3. Nothing to show.
mkdir -p "$work/empty"
(cd "$work/empty" && exec "$player" 2>"$work/none.err") &
none=$!
wait_for 20 grep -q "TavoPlayer could not find any presentations" "$work/none.err" || fail "no 'could not find' message"
wait_for 20 window_titled $none TavoPlayer || fail "no message box for the missing presentations"
for w in $(visible_windows $none); do
  [ "$(window_width "$w")" != "$screen_width" ] || fail "a bar was shown although nothing was found"
done
press_enter "$(window_titled $none TavoPlayer)"
wait_for 20 bash -c "! kill -0 $none" || fail "the player did not end after the message"
echo "ok: no presentation, message shown and ended"
