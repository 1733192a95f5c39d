#!/usr/bin/env bash
# The self-extracting road as a user walks it, in a virtual display:
# the demo presentation is published as one file with a password and a user
# message; run in a fresh home, it shows the message, asks for the folder and
# the password, extracts, and starts the player, whose bar shows the demo.
# With E2E_SHOTS set to a folder, screenshots of each window are written there.
set -uo pipefail
make_sfx=$1
area=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/lib.sh"

work=$(mktemp -d)
player_pid=
cleanup() {
  [ -n "$player_pid" ] && kill "$player_pid" 2>/dev/null
  [ -n "${sfx_pid:-}" ] && kill "$sfx_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export HOME="$work/home" TAVO_SETTINGS_DIR="$work/settings" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
E2E_LOGS="$work/sfx.err"
shot() { [ -n "${E2E_SHOTS:-}" ] && mkdir -p "$E2E_SHOTS" && import -window root "$E2E_SHOTS/$1.png"; true; }
# The visible window titled $1 of any process.
any_window_titled() {
  local w
  for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && { echo "$w"; return 0; }
  done
  return 1
}
gone() { ! xdotool search --onlyvisible --name "." 2>/dev/null | grep -qx "$1"; }
type_into() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool type --delay 30 "$2"
}

exe="$work/Harbour Town.exe"
"$make_sfx" "$area" "Harbour Town" "$exe" --browse --password "gulls&ferries" \
  --message "Welcome aboard" "Harbour Town news, sports and art for your desktop." \
  || fail "the self-extracting file was not built"
echo "ok: built $(stat -c %s "$exe") bytes"

# A file cut short on its way (a broken download) says so and ends.
head -c $(( $(stat -c %s "$exe") - 1000 )) "$exe" > "$work/broken.exe" && chmod +x "$work/broken.exe"
"$work/broken.exe" 2>"$work/sfx.err" &
broken_pid=$!
wait_for 20 window_titled $broken_pid "Self-Extractor" || fail "a cut-off file gave no error message"
box=$(window_titled $broken_pid "Self-Extractor")
sleep 0.3; shot 0-damaged
press_enter "$box"
wait $broken_pid; status=$?
[ $status = 1 ] || fail "a cut-off file ended with status $status, not 1"
echo "ok: a cut-off file is reported as damaged"

# Started as a user starts a downloaded program: from its own folder, no arguments.
(cd "$work" && exec "$exe") 2>"$work/sfx.err" &
sfx_pid=$!

wait_for 20 window_titled $sfx_pid "Welcome aboard" || fail "the user message did not appear"
message=$(window_titled $sfx_pid "Welcome aboard")
sleep 0.5; shot 1-message
press_enter "$message"
wait_for 10 gone "$message" || fail "the message did not close"
echo "ok: user message shown with its title"

wait_for 20 window_titled $sfx_pid "Harbour Town" || fail "the folder question did not appear"
folder=$(window_titled $sfx_pid "Harbour Town")
sleep 0.5; shot 2-folder
press_enter "$folder"
wait_for 10 gone "$folder" || fail "the folder question did not close"
echo "ok: folder question answered with the proposed folder"

# A wrong password first: it is refused and asked again.
wait_for 20 window_titled $sfx_pid "Harbour Town" || fail "the password prompt did not appear"
prompt=$(window_titled $sfx_pid "Harbour Town")
type_into "$prompt" "wrong"
sleep 0.3; shot 3-password
press_enter "$prompt"
wait_for 10 gone "$prompt" || fail "the password prompt did not close"
wait_for 10 window_titled $sfx_pid "Harbour Town" || fail "the wrong password gave no message"
refusal=$(window_titled $sfx_pid "Harbour Town")
sleep 0.3; shot 4-wrong-password
press_enter "$refusal"
wait_for 10 gone "$refusal" || fail "the refusal did not close"
wait_for 10 window_titled $sfx_pid "Harbour Town" || fail "the password was not asked again"
prompt=$(window_titled $sfx_pid "Harbour Town")
type_into "$prompt" "gulls&ferries"
press_enter "$prompt"
echo "ok: wrong password refused, right one taken"

wait_for 30 any_window_titled TavoPlayer || fail "the player's bar did not appear"
bar=$(any_window_titled TavoPlayer)
player_pid=$(xdotool getwindowpid "$bar")
wait_for 10 bash -c "! kill -0 $sfx_pid" || fail "the self-extractor did not end after starting the player"
sfx_pid=
extracted="$HOME/Harbour Town"
[ -x "$extracted/TavoPlayer.exe" ] || fail "the player was not extracted as an executable TavoPlayer.exe"
cmp -s "$extracted/TavoPlayer.exe" "$area/FileSet/TavoPlayer.exe" || fail "the extracted player differs"
diff -r "$area/Projects/Harbour Town" "$extracted/Harbour Town" >/dev/null || fail "the extracted presentation differs"
[ "$(readlink -f /proc/$player_pid/exe)" = "$(readlink -f "$extracted/TavoPlayer.exe")" ] \
  || fail "the bar does not belong to the extracted player"
tr '\0' '\n' < /proc/$player_pid/cmdline | grep -qx "Path=$extracted/Harbour Town" \
  || fail "the player was not started with Path= on the extracted presentation"
sleep 1.5; shot 5-player-bar
echo "ok: the extracted player shows its bar on the extracted demo"
exit 0
