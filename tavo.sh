#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./tavo.sh run    install what is missing, build, start TavoPlayer on the demo presentation
#   ./tavo.sh test   install what is missing, build, run every test (headless)
#   ./tavo.sh bench  install what is missing, build, run the benchmarks
# Every step is skipped when there is nothing to do, so a second run is quick.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

what=${1:-}
case "$what" in
  run|test|bench) ;;
  *) echo "usage: $0 run|test|bench" >&2; exit 2 ;;
esac

scripts/install-deps.sh

if [ ! -f build/default/build.ninja ]; then
  cmake --preset default
fi
cmake --build --preset default

case "$what" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "TavoPlayer needs a graphical desktop (no DISPLAY or WAYLAND_DISPLAY is set)." >&2
      echo "To try it without one: xvfb-run -a $0 run" >&2
      exit 1
    fi
    demo="$PWD/build/default/examples/DemoArea/Projects/Harbour Town/"
    exec build/default/player/TavoPlayer "Path=$demo"
    ;;
  test)
    exec ctest --preset default -j "$(nproc)"
    ;;
  bench)
    for b in build/default/bench/bench_*; do
      [ -x "$b" ] && "$b"
    done
    bench/startup-budget.sh build/default
    ;;
esac
