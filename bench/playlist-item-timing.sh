#!/usr/bin/env bash
# How long a playlist item with the play time 00:02 lasts, from the runner's own
# events: the player starts a presentation whose playlist runs at once
# (RunPlaylist) and writes every item start and end (TAVO_PLAYLIST_TRACE).
# Usage: bench/playlist-item-timing.sh [build folder]   (run inside the repository)
set -euo pipefail
build=${1:-build/default}
if [ -z "${DISPLAY:-}" ]; then exec tests/e2e/in-xvfb.sh 1280x800 "$0" "$@"; fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
p=$work/Timing
mkdir -p "$p/News/Beach" "$work/settings" "$work/run"
chmod 700 "$work/run"
printf '[Project Info]\r\nPresentation Name=Timing\r\n[Presentation Options]\r\nRunPlaylist=1\r\n' > "$p/Project.ini"
printf '[Sponsor Options]\r\nCaption Text=News\r\n' > "$p/News/!Tavo.ini"
printf '[Slideshow]\r\n' > "$p/News/Beach/Slideshow.ini"
{ printf '[Playlist]\r\n'; for i in 1 2 3 4 5 6; do printf '%d=Slideshow Beach|00:02\r\n' $i; done; } > "$p/News/Playlist.ini"

export TAVO_SETTINGS_DIR=$work/settings XDG_RUNTIME_DIR=$work/run TAVO_PLAYLIST_TRACE=$work/trace QT_QPA_PLATFORM=xcb
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/player/TavoPlayer" "Path=$p/" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 200); do
  n=$(grep -c "^end" "$work/trace" 2>/dev/null || true)
  [ "${n:-0}" -ge 6 ] && break
  sleep 0.1
done
kill $pid; wait $pid 2>/dev/null || true

# Each "start" (timer enabled for an item) to the "end" (its tick) that follows.
awk '$1 == "start" { s = $3 } $1 == "end" && s { printf "item %d: %.1f ms\n", $2 + 1, ($3 - s) / 1e6; s = 0 }' "$work/trace"
