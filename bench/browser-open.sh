#!/usr/bin/env bash
# The player's browser window: time from the bar's request to the page's
# loadFinished for a local help page, cold (plugin and web engine loaded by the
# request) and warm (the open window asked for another page). Each run is a
# fresh process in a virtual display of its own.
# Usage: bench/browser-open.sh [build folder] [runs]   (run inside the repository)
set -euo pipefail
build=${1:-build/default}
runs=${2:-3}
help="$PWD/$build/player/help"
# As root in a virtual display the web engine runs without its sandbox and GPU.
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" && chmod 700 "$XDG_RUNTIME_DIR"
for i in $(seq "$runs"); do
  tests/e2e/in-xvfb.sh 1280x800 "$build/bench/browser-open" "$PWD/$build/player/TavoBrowser.so" \
    "$help/index.html" "$help/preferences.html" 5 2>/dev/null
done
