#!/usr/bin/env bash
# The creator's Save As of a 200 MB presentation against "cp -r" of the same
# folder, run in pairs one after the other in the same work area, so that both
# copy from the same page cache on the same disk. Prints the medians and the
# speed ratio (cp's time / Save As's time; 1.0 = as fast as cp).
#
# Usage: bench/creator-save-as.sh [build folder] [pairs] [work folder]   (run inside the repository)
set -euo pipefail
build=${1:-build/default}
pairs=${2:-5}
base=${3:-${TMPDIR:-/tmp}}
work=$(mktemp -d "$base/creator-save-as.XXXXXX")
trap 'rm -rf "$work"' EXIT
export TAVO_SETTINGS_DIR="$work/settings"
area="$work/area"
show="$area/Projects/Big Show"

# 200 MB: five content providers with 38 pictures of 1 MB each, a 10 MB video,
# and the small settings and text files a presentation has.
for c in 1 2 3 4 5; do
  mkdir -p "$show/Channel $c/Pictures"
  printf '[Sponsor Options]\r\nCaption Text=Channel %d\r\n' "$c" >"$show/Channel $c/!Tavo.ini"
  for i in $(seq 1 50); do printf 'Line %d|http://example.com/%d\r\n' "$i" "$i"; done >"$show/Channel $c/Ticker.txt"
  for p in $(seq 1 38); do head -c 1048576 /dev/urandom >"$show/Channel $c/Pictures/pic$p.jpg"; done
done
head -c 10485760 /dev/urandom >"$show/Channel 1/video.mpg"
printf '[Subscribers]\r\nSubscriber1=Channel 1\r\n' >"$show/Project.ini"
size=$(du -sm "$show" | cut -f1)
sync

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
ms() { local s=$(date +%s%N); "$@"; echo $(( ($(date +%s%N) - s) / 1000000 )); }

: >"$work/cp.log"; : >"$work/saveas.log"
for i in $(seq "$pairs"); do
  ms cp -r "$show" "$area/Projects/cp copy $i" >>"$work/cp.log"
  "$build/bench/creator-save-as" "$area" "Big Show" "Save copy $i" >>"$work/saveas.log"
  rm -rf "$area/Projects/cp copy $i" "$area/Projects/Save copy $i"
  sync
done
cp_ms=$(median <"$work/cp.log"); save_ms=$(median <"$work/saveas.log")
echo "== Save As of a ${size} MB presentation ($pairs pairs, load $(cut -d' ' -f1-3 /proc/loadavg), $(df -T "$work" | awk 'NR == 2 { print $2 }') file system)"
echo "  cp -r:   median $cp_ms ms   ($(tr '\n' ' ' <"$work/cp.log"))"
echo "  Save As: median $save_ms ms   ($(tr '\n' ' ' <"$work/saveas.log"))"
awk -v c="$cp_ms" -v s="$save_ms" 'BEGIN { r = c / s; printf "  speed ratio %.2f of cp -r (at least 0.90): %s\n", r, (r >= 0.9 ? "within" : "BELOW") }'
