#!/usr/bin/env bash
# The picture windows on the demo presentation, opened for real from the bar's
# buttons in a virtual display:
# - the slideshow window opens below the bar, full width, screen height minus the bar;
# - its close button closes it; the thumbnail viewer opens the same way;
# - with the bar at the bottom, both open at the top of the screen.
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
printf 'sz:ActiveSubscriber=Art Gallery\n' > "$TAVO_SETTINGS_DIR/machine/Software/Corvenna/TavoPlayer/.values"
read -r screen_width screen_height < <(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')

field() { xdotool getwindowgeometry --shell "$1" | sed -n "s/^$2=//p"; }
field_is() { [ "$(field "$1" "$2")" = "$3" ]; }
shot() { [ -n "${E2E_SHOTS:-}" ] && mkdir -p "$E2E_SHOTS" && import -window root "$E2E_SHOTS/$1.png"; true; }
gone() { ! window_titled $pid "$1"; }

"$player" "Path=$demo" 2>"$work/player.err" &
pid=$!
wait_for 20 window_titled $pid TavoPlayer || fail "no window titled TavoPlayer appeared"
bar=$(window_titled $pid TavoPlayer)
sleep 1

# The Art Gallery's buttons: "Opening Hours" (88 wide from 64), "Town News" (80),
# "Harbour Views" (88) and "Gallery Shop" (86), one pixel apart, in the row at the top of the bar.
slideshow_x=278 viewer_x=366
# open <button x> <title> <expected top> <height>: clicks the bar's button and checks the window.
open() {
  local bar_y w
  bar_y=$(field "$bar" Y)
  xdotool mousemove --sync "$1" $(( bar_y + 11 )) click 1
  wait_for 10 window_titled $pid "$2" || fail "no window titled $2 appeared"
  w=$(window_titled $pid "$2")
  wait_for 5 field_is "$w" Y "$3" || fail "$2 is at $(field "$w" Y), not $3"
  [ "$(field "$w" X)" = 0 ] || fail "$2 does not start at the left edge"
  [ "$(field "$w" WIDTH)" = "$screen_width" ] || fail "$2 is not as wide as the screen"
  [ "$(field "$w" HEIGHT)" = "$4" ] || fail "$2 is $(field "$w" HEIGHT) high, not $4"
  window=$w
}
# close_window <title>: the window's close button, 20 pixels before the right edge of its top bar.
close_window() {
  local y
  y=$(field "$window" Y)
  xdotool mousemove --sync $(( screen_width - 20 + 8 )) $(( y + 10 )) click 1
  wait_for 10 gone "$1" || fail "the close button did not close $1"
}

# 1. The bar at the top: both windows just below it.
open $slideshow_x "Slide Show" 50 $(( screen_height - 50 ))
sleep 1
shot slideshow-bar-top
close_window "Slide Show"
echo "ok: slideshow below the bar, closed by its button"
open $viewer_x "ThumbNail Viewer" 50 $(( screen_height - 50 ))
sleep 1
shot thumbnails-bar-top
# The first thumbnail (its panel's centre: the grid starts 48 and 95 pixels in) shows it big; a click goes back.
xdotool mousemove --sync 336 $(( 50 + 95 + 180 )) click 1
sleep 1
shot thumbnails-big-view
xdotool mousemove --sync 336 $(( 50 + 95 + 180 )) click 1
sleep 1
close_window "ThumbNail Viewer"
echo "ok: thumbnail viewer below the bar, closed by its button"

# 2. "Move Ticker to Bottom", then both windows at the top of the screen.
down_x=$(( screen_width - 22 - 18 - 4 - 21 - 2 - 34 + 17 ))
xdotool mousemove --sync "$down_x" 10 click 1
wait_for 10 field_is "$bar" Y $(( screen_height - 50 )) || fail "the bar did not move to the bottom"
open $slideshow_x "Slide Show" 0 $(( screen_height - 50 ))
sleep 1
shot slideshow-bar-bottom
close_window "Slide Show"
open $viewer_x "ThumbNail Viewer" 0 $(( screen_height - 50 ))
sleep 1
shot thumbnails-bar-bottom
close_window "ThumbNail Viewer"
echo "ok: with the bar at the bottom both windows open at the top of the screen"
kill -0 $pid || fail "the player ended"
