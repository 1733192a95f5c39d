#!/usr/bin/env bash
# in-xvfb.sh <W>x<H> <script> [args...]: runs the script in a virtual display of
# its own. Xvfb picks a free display number itself (-displayfd), so scripts
# started together never share or race for one, as "xvfb-run -a" can; and the
# server does not reset when its last client leaves (-noreset), which would
# refuse a program started again right after the previous one ended.
set -uo pipefail
size=$1; shift
fifo=$(mktemp -u) && mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
server=$!
read -r -t 20 number <"$fifo"
rm -f "$fifo"
[ -n "${number:-}" ] || { echo "FAIL: Xvfb did not start" >&2; kill $server 2>/dev/null; exit 1; }
export DISPLAY=":$number"
"$@"
status=$?
kill $server 2>/dev/null
wait $server 2>/dev/null
exit $status
