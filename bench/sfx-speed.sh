#!/usr/bin/env bash
# Speed of the EXE route against the usual zip tools, measured side by side:
#   bench/sfx-speed.sh <build dir> [rounds] [mixed|text]
# Makes a presentation of 2,000 files and about 300 MB in a temporary work
# area: "mixed" (the default) has 400 pictures and sounds of incompressible
# bytes and 1,600 text files; "text" has 2,000 text files, so that both tools
# deflate everything,
# then, interleaved for each round:
#   - the EXE build (make-sfx, the creator's library) against "zip -r -6";
#   - extraction with the extractor's code (sfx-extract) against "unzip" of the same file.
# Prints the median seconds of each and the ratios (other tool / ours: above 1 is faster).
set -euo pipefail
build=$(cd "$1" && pwd)
rounds=${2:-3}
kind=${3:-mixed}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
area=$work/area
pres="$area/Projects/Bench Show"
mkdir -p "$area/FileSet"
cp "$build/examples/DemoArea/ZipSFX32.bin" "$area/"
cp "$build/examples/DemoArea/FileSet/TavoPlayer.exe" "$area/FileSet/"

python3 - "$pres" "$kind" <<'PY'
import os, random, sys
root = sys.argv[1]
rnd = random.Random(7)
words = [w.encode() for w in "harbour ferry tide market gallery club news sponsor ticker channel bay town".split()]
def text(n):
    out, size = [], 0
    while size < n:
        line = b" ".join(rnd.choice(words) for _ in range(12)) + b"|http://www.example.com/page\r\n"
        out.append(line); size += len(line)
    return b"".join(out)[:n]
for i in range(2000):
    folder = os.path.join(root, "Provider %02d" % (i % 20), "Set %d" % (i % 7))
    os.makedirs(folder, exist_ok=True)
    if sys.argv[2] == "text":
        name, data = "Text %04d.txt" % i, text(152_000)
    elif i % 5 == 0:
        name, data = ("Picture %04d.jpg" % i if i % 10 else "Sound %04d.mp3" % i), os.urandom(600_000)
    else:
        name, data = "Text %04d.txt" % i, text(40_000)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
PY
bytes=$(du -sb "$pres" | cut -f1)
echo "folder: $(find "$pres" -type f | wc -l) files, $((bytes / 1000000)) MB; load: $(cut -d' ' -f1-3 /proc/loadavg)"

now() { date +%s.%N; }
ours_build=() zip_build=() ours_x=() unzip_x=()
for r in $(seq "$rounds"); do
  rm -f "$work/a.exe" "$work/a.zip"; sync
  t0=$(now); "$build/sfx/make-sfx" "$area" "Bench Show" "$work/a.exe"; t1=$(now)
  (cd "$area/Projects" && zip -q -r -6 "$work/a.zip" "Bench Show"); t2=$(now)
  ours_build+=("$(echo "$t1 - $t0" | bc)") zip_build+=("$(echo "$t2 - $t1" | bc)")
  rm -rf "$work/x1" "$work/x2"; sync
  t0=$(now); "$build/sfx/sfx-extract" "$work/a.exe" "$work/x1"; t1=$(now)
  unzip -qq "$work/a.exe" -d "$work/x2" 2>/dev/null || true; t2=$(now)
  ours_x+=("$(echo "$t1 - $t0" | bc)") unzip_x+=("$(echo "$t2 - $t1" | bc)")
  diff -rq "$work/x1/Bench Show" "$pres" >/dev/null || { echo "extracted tree differs" >&2; exit 1; }
  echo "round $r: build ${ours_build[-1]} s vs zip ${zip_build[-1]} s; extract ${ours_x[-1]} s vs unzip ${unzip_x[-1]} s"
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
mb=$(median "${ours_build[@]}") mz=$(median "${zip_build[@]}") mx=$(median "${ours_x[@]}") mu=$(median "${unzip_x[@]}")
echo "EXE build: ${mb} s, zip -r -6: ${mz} s, ratio $(echo "scale=2; $mz / $mb" | bc)x (sizes: $(stat -c %s "$work/a.exe") vs $(stat -c %s "$work/a.zip") bytes)"
echo "extraction: ${mx} s, unzip: ${mu} s, ratio $(echo "scale=2; $mu / $mx" | bc)x"
