#!/usr/bin/env bash
# Installation throughput: the setup wizard's copy of a presentation of
# 500 MB in 2,000 files (20 channels of 100 files of 256 KB, random bytes)
# against "cp -r" of the same folder on the same disk, run interleaved so that
# both see the same load (each time includes writing the data out with sync;
# the installation's time is the copy's own, without the program's start-up); and the longest gap between updates of the progress
# window (the longest a click on Cancel waits).
# Usage: bench/install-copy.sh [build folder] [rounds]   (run inside the repository)
# The data lives in a temporary folder under /tmp and is removed at the end.
set -euo pipefail
build=${1:-build/default}
rounds=${2:-3}
tool="$PWD/$build/bench/install-copy"
[ -x "$tool" ] || { echo "build the target install-copy first" >&2; exit 1; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

work=$(mktemp -d /tmp/tavo-install-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
src="$work/Big Show"
for c in $(seq -w 1 20); do
  mkdir -p "$src/Channel $c"
  head -c $((256 * 1024 * 100)) /dev/urandom > "$work/blob"
  split -b $((256 * 1024)) -d -a 3 "$work/blob" "$src/Channel $c/picture-"
done
rm "$work/blob"
printf '[Project Info]\r\nPresentation Name=Big Show\r\n' > "$src/Project.ini"
files=$(find "$src" -type f | wc -l)
mb=$(du -sm "$src" | cut -f1)
echo "source: $files files, $mb MB; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
cat "$src"/*/* > /dev/null   # both sides read from the page cache

now() { date +%s.%N; }
cp_times=() tool_times=() gaps=()
for i in $(seq "$rounds"); do
  t0=$(now); cp -r "$src" "$work/cp-copy"; sync -f "$work"; t1=$(now)
  cp_times+=("$(echo "$t1 - $t0" | bc)")
  rm -rf "$work/cp-copy"
  # The copy's own clock (the program's start-up is not part of an installation), plus the sync.
  line=$("$tool" "$src" "$work/installed"); t0=$(now); sync -f "$work"; t1=$(now)
  tool_times+=("$(echo "$(sed 's/^seconds=\([0-9.]*\).*/\1/' <<<"$line") + $t1 - $t0" | bc)")
  gaps+=("$(sed 's/.*max_gap_ms=//' <<<"$line")")
  echo "round $i: cp -r ${cp_times[-1]} s, installation ${tool_times[-1]} s ($line)"
  diff -rq "$src" "$work/installed" >/dev/null || { echo "the installed copy differs" >&2; exit 1; }
  rm -rf "$work/installed"
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
mc=$(median "${cp_times[@]}"); mt=$(median "${tool_times[@]}"); mg=$(printf '%s\n' "${gaps[@]}" | sort -g | tail -1)
echo "median cp -r: $mc s ($(echo "$mb / $mc" | bc) MB/s); median installation: $mt s ($(echo "$mb / $mt" | bc) MB/s)"
echo "throughput ratio (installation / cp -r): $(echo "scale=2; $mc / $mt" | bc)"
echo "longest gap between progress updates: $mg ms; load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
