#!/usr/bin/env bash
# The bar's web search and the preferences dialog on the demo presentation,
# started for real in a virtual display:
# - a search on the second of two engines whose address is the player's own
#   help search opens the Tavo Browser below the bar, across the screen, on
#   that page with the typed words;
# - Preferences from the menu, "Yellow on Blue" and ticker position "Bottom",
#   OK: the bar moves to the bottom and its ticker turns blue.
# With E2E_SHOTS set to a folder, screenshots of each state are written there.
set -uo pipefail
player=$1
demo_source=$2
help="$(cd "$(dirname "$player")" && pwd)/help"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

work=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
export TAVO_SETTINGS_DIR="$work/settings" XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
# As root in a virtual display the web engine runs without its sandbox and GPU.
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu"
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" && chmod 700 "$XDG_RUNTIME_DIR"
E2E_LOGS="$work/player.err"
mkdir -p "$TAVO_SETTINGS_DIR/machine/Software/Corvenna/TavoPlayer"
printf 'sz:ActiveSubscriber=Town News\n' > "$TAVO_SETTINGS_DIR/machine/Software/Corvenna/TavoPlayer/.values"
options="$TAVO_SETTINGS_DIR/user/Software/Corvenna/TavoPlayer/Viewing Options/.values"
read -r screen_width screen_height < <(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')

# The demo with two search engines and the player's own browser for "Town News".
demo="$work/Harbour Town"
cp -r "$demo_source" "$demo"
ini="$demo/Town News/!Tavo.ini"
sed -i 's/^Browser=.*/Browser=Tavo Browser\r/' "$ini"
printf '\r\n[Search Links]\r\nSearchName1=Player Help\r\nSearchAction1=file://%s/search.html?q\r\nSearchName2=Harbour & Help\r\nSearchAction2=file://%s/search.html?site=harbour&q\r\n' \
  "$help" "$help" >> "$ini"

geometry() { xdotool getwindowgeometry --shell "$1"; }
field() { geometry "$1" | sed -n "s/^$2=//p"; }
field_is() { [ "$(field "$1" "$2")" = "$3" ]; }
shot() { [ -n "${E2E_SHOTS:-}" ] && mkdir -p "$E2E_SHOTS" && import -window root "$E2E_SHOTS/$1.png"; true; }
# main_colour <w>x<h>+<x>+<y>: the commonest colour of that part of the screen as "r,g,b".
main_colour() {
  import -window root -crop "$1" -depth 8 -format %c histogram:info:- | sort -rn | head -1 |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

"$player" "Path=$demo/" 2>"$work/player.err" &
pid=$!
wait_for 20 window_titled $pid TavoPlayer || fail "no window titled TavoPlayer appeared"
bar=$(window_titled $pid TavoPlayer)
sleep 1

# The ticker row (under the button row): search button, its field and "GO",
# left of the menu picture and the sponsor box.
search_x=$(( screen_width - 8 - 120 - 4 - 24 - 4 - 22 + 11 ))
go_x=$(( search_x - 11 + 22 + 4 + 113 + 4 + 14 ))
menu_x=$(( screen_width - 8 - 120 - 4 - 12 ))
row_y=36

# 1. The search.
xdotool mousemove --sync "$search_x" "$row_y" click 1
sleep 0.5
xdotool type --delay 20 "ticker & colour"
xdotool mousemove --sync "$go_x" "$row_y" click 1
sleep 0.7
shot search-menu
xdotool key Down Down Return
wait_for 60 window_titled $pid "Tavo Browser - Search the help" || fail "the search page did not open in the Tavo Browser"
browser=$(window_titled $pid "Tavo Browser - Search the help")
[ "$(field "$browser" WIDTH)" = "$screen_width" ] || fail "the browser window is not as wide as the screen"
sleep 1
shot search-page
echo "ok: the search opened in the Tavo Browser"
xdotool windowunmap "$browser"

# 2. Preferences: "Yellow on Blue", ticker position "Bottom", OK.
xdotool mousemove --sync "$menu_x" "$row_y" click 1
sleep 0.5
xdotool key Down Return
wait_for 10 window_titled $pid Preferences || fail "Preferences did not open"
dialog=$(window_titled $pid Preferences)
dx=$(field "$dialog" X); dy=$(field "$dialog" Y)
xdotool mousemove --sync $(( dx + 118 )) $(( dy + 189 )) click 1   # the colour box
sleep 0.4
xdotool key End Return                                            # its last scheme
xdotool mousemove --sync $(( dx + 380 )) $(( dy + 211 )) click 1   # Ticker Position: Bottom
sleep 0.3
shot preferences
xdotool mousemove --sync $(( dx + 284 )) $(( dy + 400 )) click 1   # OK
wait_for 10 field_is "$bar" Y $(( screen_height - 50 )) || fail "the bar did not move to the bottom"
grep -q '^dword:Ticker Color=16711680$' "$options" || fail "Yellow on Blue was not stored"
sleep 0.5
shot after-ok
colour=$(main_colour "900x20+150+$(( screen_height - 24 ))")  # the ticker band
[ "$colour" = "0,0,255" ] || fail "the ticker's background is $colour, not blue"
echo "ok: Preferences moved the bar to the bottom and turned the ticker yellow on blue"
