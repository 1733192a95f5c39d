# Helpers for the end-to-end scripts: they run inside an Xvfb session
# (xvfb-run) and drive the real programs with xdotool.

# fail <message>: ends the script; the files named in $E2E_LOGS (the programs'
# error output) are shown too, so that a failure says what the program said.
fail() {
  echo "FAIL: $*" >&2
  for f in ${E2E_LOGS:-}; do [ -s "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }; done
  exit 1
}

# wait_for <seconds> <command...>: retries the command every 0.2 s until it succeeds.
wait_for() {
  local limit=$1; shift
  local end=$(( $(date +%s) + limit ))
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s)" -ge "$end" ] && return 1
    sleep 0.2
  done
}

# Windows of a process that are mapped (visible), one id per line.
visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null; }

# The window of process $1 titled exactly $2.
window_titled() {
  local w
  for w in $(visible_windows "$1"); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$2" ] && { echo "$w"; return 0; }
  done
  return 1
}

window_width() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p'; }

# Presses Enter in the window (dismisses a message box).
press_enter() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool key --clearmodifiers Return
}

# Makes a presentation folder $1 with one content provider.
make_presentation() {
  mkdir -p "$1/News"
  printf '[Project Info]\r\nPresentation Name=Fixture\r\n' > "$1/Project.ini"
  printf '[Sponsor Options]\r\nCaption Text=Fixture News\r\n' > "$1/News/!Tavo.ini"
  printf 'First line|http://www.example.com\r\n' > "$1/News/Ticker.txt"
}
