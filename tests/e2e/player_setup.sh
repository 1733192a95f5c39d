#!/usr/bin/env bash
# The whole installation as a user does it, in a virtual display with a fresh
# home folder and no settings:
# - the player runs on a copy of the demo; its "Install on This PC" button
#   (the "TavoSetup" link) opens the setup wizard;
# - the pages are gone through with the keyboard: "&Yes" for content updates,
#   an installation folder typed in, "&Next", "&Install", "Desktop" ticked, "&OK", "&No";
# - the presentation and the player are in the installation folder, the store
#   records them, and the launchers are on the desktop and in the menu folder;
# - with the original copy gone, the launcher's command and a bare copy of the
#   player started with no arguments both show the installed presentation.
# With E2E_SHOTS set to a folder, screenshots of each page are written there.
set -uo pipefail
player=$1
demo=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" TAVO_ECHO_MESSAGES=1
unset TAVO_SETTINGS_DIR XDG_CONFIG_HOME XDG_DATA_HOME XDG_DESKTOP_DIR
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
E2E_LOGS="$work/player.err $work/launcher.err $work/bare.err"
machine="$HOME/.local/share/tavo/machine/Software/Corvenna/TavoPlayer"
installed="$work/Installed Shows"
shot() { [ -n "${E2E_SHOTS:-}" ] && mkdir -p "$E2E_SHOTS" && import -window root "$E2E_SHOTS/$1.png"; true; }
key() { xdotool key --clearmodifiers "$@"; }
size_is() { [ "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p')x$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p')" = "$2" ]; }
title_is() { [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ]; }

mkdir -p "$work/cd"
cp -r "$demo" "$work/cd/Harbour Town"
# The bar opens on the channel that has the setup button.
mkdir -p "$machine" && printf 'sz:ActiveSubscriber=Town News\n' > "$machine/.values"

"$player" "Path=$work/cd/Harbour Town/" 2>"$work/player.err" &
pid=$!; pids+=($pid)
wait_for 20 window_titled $pid TavoPlayer || fail "no bar appeared"
sleep 1
# "Install on This PC", the tenth button of "Town News" (the button row's layout counts characters).
xdotool mousemove --sync 1277 10 click 1
wait_for 10 window_titled $pid "Tavo Setup - Harbour Town" || fail "the setup wizard did not open"
wizard=$(window_titled $pid "Tavo Setup - Harbour Town")
xdotool windowfocus --sync "$wizard" 2>/dev/null
wait_for 5 size_is "$wizard" 457x290 || fail "page 1 is not 457 x 290"
sleep 0.5; shot setup-1-reasons
echo "ok: the wizard opened on the content-updates page"

key alt+y
wait_for 5 size_is "$wizard" 457x331 || fail "\"&Yes\" did not lead to page 2"
sleep 0.5; shot setup-2-path
key ctrl+a
xdotool type --delay 5 "$installed"
key alt+n
sleep 0.5; shot setup-3-updates
# "What is Universal Update?" (no access key): its place in the wizard window.
eval "$(xdotool getwindowgeometry --shell "$wizard")"
xdotool mousemove --sync $(( X + 357 )) $(( Y + 183 )) click 1
wait_for 5 window_titled $pid "Universal Update" || fail "\"What is Universal Update?\" opened nothing"
universal=$(window_titled $pid "Universal Update")
size_is "$universal" 494x369 || fail "the Universal Update window is not 494 x 369"
sleep 0.5; shot setup-3-universal-update
xdotool windowfocus --sync "$universal" 2>/dev/null
key Return
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Universal Update\$' >/dev/null" || fail "OK did not close Universal Update"
xdotool windowfocus --sync "$wizard" 2>/dev/null
key alt+n
sleep 0.5; shot setup-4-ready
key alt+i
wait_for 20 size_is "$wizard" 340x151 || fail "the installation did not reach page 5"
sleep 0.5; shot setup-5-complete
echo "ok: installed, page 5"

key space      # "Desktop" has the focus
key alt+o
wait_for 5 title_is "$wizard" "Download New Content - Harbour Town" || fail "\"&OK\" did not lead to page 6"
sleep 0.5; shot setup-6-download
key alt+n
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Download New Content' >/dev/null" || fail "page 6 did not close"
echo "ok: launchers chosen, wizard closed"

# What the installation left.
[ -f "$installed/Harbour Town/Project.ini" ] || fail "the presentation was not copied"
diff -r "$work/cd/Harbour Town" "$installed/Harbour Town" >/dev/null || fail "the copy differs from the presentation"
[ -d "$installed/Harbour Town/Harbour Town" ] && fail "the copy was nested"
cmp -s "$player" "$installed/$(basename "$player")" || fail "the player was not copied beside the presentation"
[ -x "$installed/$(basename "$player")" ] || fail "the installed player is not executable"
grep -qx "sz:Presentation1=$installed/Harbour Town" "$machine/Projects/.values" || fail "Projects does not record the presentation"
grep -qx "sz:InstallPath=$installed/" "$machine/License/.values" || fail "InstallPath is not the installation folder"
grep -qx "sz:Version=Tavo Player 2002" "$machine/License/.values" || fail "no Version"
grep -q "^sz:FirstInstall=." "$machine/License/.values" || fail "no FirstInstall"
desktop="$HOME/Desktop/Tavo Player - Harbour Town.desktop"
menu="$HOME/.local/share/applications/Programs/Tavo Player/Tavo Player - Harbour Town.desktop"
[ -f "$desktop" ] || fail "no launcher on the desktop"
[ -f "$menu" ] || fail "no launcher in the menu folder"
[ -e "$HOME/.local/share/applications/Tavo Player - Harbour Town.desktop" ] && fail "a start-menu launcher although the box was not ticked"
grep -q "^Path=$installed\$" "$desktop" || fail "the launcher's working folder is not the installation folder"
echo "ok: files, store and launchers"

kill $pid; wait $pid 2>/dev/null
rm -rf "$work/cd"   # from now on only the installed copy exists

# The launcher's command: Exec= with the launcher quoting undone (no arguments follow the program).
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
program=$(printf '%s' "$exec_line" | sed 's/^"\(.*\)"$/\1/; s/\\\\/\\/g; s/\\\(["`$]\)/\1/g')
[ "$program" = "$installed/$(basename "$player")" ] || fail "the launcher starts '$program'"
folder=$(sed -n 's/^Path=//p' "$desktop")
(cd "$folder" && exec "$program") 2>"$work/launcher.err" &
launched=$!; pids+=($launched)
wait_for 20 window_titled $launched TavoPlayer || fail "the launcher's player showed no bar"
sleep 1; shot setup-7-launcher
grep -q "could not find" "$work/launcher.err" && fail "the launcher's player found no presentation"
kill $launched; wait $launched 2>/dev/null
echo "ok: the launcher's command shows the installed presentation"

# A bare copy of the player, nothing beside it, no arguments: found through the store.
mkdir -p "$work/bare" && cp "$player" "$work/bare/"
(cd "$work/bare" && exec "./$(basename "$player")") 2>"$work/bare.err" &
bare=$!; pids+=($bare)
wait_for 20 window_titled $bare TavoPlayer || fail "the bare player showed nothing"
bar=$(window_titled $bare TavoPlayer)
[ "$(window_width "$bar")" -gt 1000 ] || fail "the bare player showed a message, not the bar: $(cat "$work/bare.err")"
sleep 1; shot setup-8-bare
kill $bare; wait $bare 2>/dev/null
echo "ok: a bare player finds the installed presentation through the store"
exit 0
