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
# Prints the median seconds of each and the ratios (other tool / ours: above 1 means ours is faster).
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

# timed <result var prefix> <command...>: appends wall and processor (user + system) seconds.
# On a busy machine the processor time is the steadier figure; both are printed.
timed() {
  local name=$1; shift
  /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" >/dev/null 2>&1 || true
  read -r wall user sys < <(tail -n 1 "$work/time")
  eval "${name}_wall+=($wall); ${name}_cpu+=($(echo "$user + $sys" | bc))"
}
ours_build_wall=() ours_build_cpu=() zip_build_wall=() zip_build_cpu=()
ours_x_wall=() ours_x_cpu=() unzip_x_wall=() unzip_x_cpu=()
for r in $(seq "$rounds"); do
  rm -f "$work/a.exe" "$work/a.zip"
  # Nothing left to write back from the previous step: the EXE writer flushes
  # its file to disk, and on ext4 that flush would wait for those writes too.
  sync
  # The same input for both: the presentation folder without the player.
  timed ours_build "$build/sfx/make-sfx" "$area" "Bench Show" "$work/a.exe" --no-player
  (cd "$area/Projects" && timed zip_build zip -q -r -6 "$work/a.zip" "Bench Show"
   echo "${zip_build_wall[-1]} ${zip_build_cpu[-1]}" >"$work/zip.last")
  read -r zw zc <"$work/zip.last"; zip_build_wall+=("$zw") zip_build_cpu+=("$zc")
  rm -rf "$work/x1" "$work/x2"
  timed ours_x "$build/sfx/sfx-extract" "$work/a.exe" "$work/x1"
  timed unzip_x unzip -qq "$work/a.exe" -d "$work/x2"
  diff -rq "$work/x1/Bench Show" "$pres" >/dev/null || { echo "extracted tree differs" >&2; exit 1; }
  diff -rq "$work/x2/Bench Show" "$pres" >/dev/null || { echo "unzip's tree differs" >&2; exit 1; }
  echo "round $r: build ${ours_build_wall[-1]} s (cpu ${ours_build_cpu[-1]}) vs zip ${zip_build_wall[-1]} s (cpu ${zip_build_cpu[-1]});" \
       "extract ${ours_x_wall[-1]} s (cpu ${ours_x_cpu[-1]}) vs unzip ${unzip_x_wall[-1]} s (cpu ${unzip_x_cpu[-1]})"
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
report() {  # report <label> <other tool> <ours wall> <ours cpu> <theirs wall> <theirs cpu> (names of arrays)
  local -n ow=$3 oc=$4 tw=$5 tc=$6
  echo "$1: ours $(median "${ow[@]}") s wall, $(median "${oc[@]}") s cpu; $2 $(median "${tw[@]}") s wall, $(median "${tc[@]}") s cpu;" \
       "ratio $(echo "scale=2; $(median "${tw[@]}") / $(median "${ow[@]}")" | bc)x wall, $(echo "scale=2; $(median "${tc[@]}") / $(median "${oc[@]}")" | bc)x cpu"
}
report "EXE build" "zip -r -6" ours_build_wall ours_build_cpu zip_build_wall zip_build_cpu
echo "  sizes: $(stat -c %s "$work/a.exe") bytes (with the extractor program) vs $(stat -c %s "$work/a.zip") bytes"
report "extraction" "unzip" ours_x_wall ours_x_cpu unzip_x_wall unzip_x_cpu
