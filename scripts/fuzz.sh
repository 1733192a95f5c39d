#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds.
#   scripts/fuzz.sh <seconds> [target ...]
# FUZZ_JOBS (default 1) targets run at the same time. Each target's corpus is
# kept in build/fuzz/corpus/<name> (seeded from fuzz/seeds/<name>), its log in
# build/fuzz/logs/<name>.log; a crash input is written to build/fuzz/crashes/.
# Exits non-zero when any target found a crash.
set -euo pipefail

seconds=${1:?usage: scripts/fuzz.sh <seconds> [target ...]}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
jobs=${FUZZ_JOBS:-1}
large=$((8 << 20))  # the largest input, 8 MiB

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for f in "$root"/fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

mkdir -p "$build/logs" "$build/crashes"
run() {
  local target=$1 name=${1#fuzz_}
  local corpus=$build/corpus/$name
  mkdir -p "$corpus"
  [ -d "$root/fuzz/seeds/$name" ] && cp -n "$root/fuzz/seeds/$name"/* "$corpus"/ 2>/dev/null || true
  # Large seeds, made here rather than kept in the repository: floods of line
  # ends and of short lines, so that the fuzzer also runs inputs where a
  # reader's memory per line, not per byte, is what counts.
  [ -e "$corpus/flood-line-ends" ] || head -c "$large" /dev/zero | tr '\0' '\n' >"$corpus/flood-line-ends"
  [ -e "$corpus/flood-short-lines" ] || yes 'a|b' | head -c "$large" >"$corpus/flood-short-lines"
  # A single allocation above the malloc limit is reported as a fault: many
  # times an input's size in one block is what a per-line reservation asks.
  "$build/$target" "$corpus" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -max_len="$large" \
    -malloc_limit_mb=512 \
    -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" >"$build/logs/$name.log" 2>&1
}

failed=0
pids=()
names=()
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  run "$t" &
  pids+=($!)
  names+=("$t")
done
for i in "${!pids[@]}"; do
  if ! wait "${pids[$i]}"; then
    echo "${names[$i]}: FAILED (see $build/logs/${names[$i]#fuzz_}.log)"
    failed=1
  fi
done

for t in "${targets[@]}"; do
  log=$build/logs/${t#fuzz_}.log
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  last=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[^ ]+' || echo "")
  echo "$t: $runs runs, $last"
done
exit $failed
