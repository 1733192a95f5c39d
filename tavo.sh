#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./tavo.sh run    install what is missing, build (both programs), start TavoPlayer on the demo presentation
#   ./tavo.sh creator  the same, then start TavoCreator on its demo work area
#   ./tavo.sh test   install what is missing, build, run every test (headless)
#   ./tavo.sh bench  install what is missing, build, run the benchmarks
# Every step is skipped when there is nothing to do, so a second run is quick.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

what=${1:-}
case "$what" in
  run|creator|test|bench) ;;
  *) echo "usage: $0 run|creator|test|bench" >&2; exit 2 ;;
esac

scripts/install-deps.sh

if [ ! -f build/default/build.ninja ]; then
  cmake --preset default
fi
cmake --build --preset default

case "$what" in
  run|creator)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "Tavo's programs need a graphical desktop (no DISPLAY or WAYLAND_DISPLAY is set)." >&2
      echo "To try it without one: xvfb-run -a $0 $what" >&2
      exit 1
    fi
    if [ "$what" = creator ]; then
      export TAVO_CREATOR_HOME="$PWD/build/default/examples/CreatorArea/"
      exec build/default/creator/TavoCreator
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
    bench/creator-start.sh build/default
    bench/creator-save-as.sh build/default
    ;;
esac
