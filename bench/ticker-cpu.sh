#!/usr/bin/env bash
# CPU cost of a scrolling ticker, measured from /proc: ticker-demo scrolling
# 1,000 items at speed 7 on a 1920 x 29 band, and for comparison the same text
# as a CSS marquee in Chromium, both in one virtual X display.
#
#   bench/ticker-cpu.sh            (build first: cmake --build --preset default)
#
# Environment: TICKER_DEMO (path of ticker-demo), MEASURE_SECONDS (default 10),
# SHOTS_DIR (keeps a screenshot of each run there).
# Chromium (Debian's package) is installed when missing.
set -euo pipefail

root=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
demo=${TICKER_DEMO:-$root/build/default/ticker/demo/ticker-demo}
measure=${MEASURE_SECONDS:-10}

if [ ! -x "$demo" ]; then
  echo "ticker-cpu: $demo is missing; build first (cmake --build --preset default)" >&2
  exit 1
fi

# Everything runs in one Xvfb: start it once and come back in here.
if [ -z "${TICKER_CPU_IN_XVFB:-}" ]; then
  exec env TICKER_CPU_IN_XVFB=1 xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi

if ! command -v chromium >/dev/null 2>&1; then
  echo "ticker-cpu: installing chromium" >&2
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends chromium >/dev/null
fi

work=$(mktemp -d)
started=()
cleanup() {
  for pid in "${started[@]}"; do kill -- "-$pid" 2>/dev/null || kill "$pid" 2>/dev/null || true; done
  [ ${#started[@]} -eq 0 ] || sleep 1
  rm -rf "$work" 2>/dev/null || true
}
trap cleanup EXIT

ticks_per_second=$(getconf CLK_TCK)

# utime + stime of one process, in clock ticks (the name in field 2 may hold blanks).
process_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || { echo 0; return; }
  stat=${stat##*) }
  set -- $stat
  echo $(( ${12} + ${13} ))
}

# The same for every process of a session (a program and all its children).
session_ticks() {
  local total=0 stat rest
  for f in /proc/[0-9]*/stat; do
    stat=$(cat "$f" 2>/dev/null) || continue
    rest=${stat##*) }
    set -- $rest
    [ "$4" = "$session" ] && total=$(( total + ${12} + ${13} ))
  done
  echo "$total"
}

percent() {  # ticks over wall seconds -> percent of one core
  awk -v t="$1" -v hz="$ticks_per_second" -v s="$2" 'BEGIN { printf "%.2f", 100 * t / hz / s }'
}

now() { date +%s.%N; }

shot() {
  [ -n "${SHOTS_DIR:-}" ] && command -v import >/dev/null && mkdir -p "$SHOTS_DIR" &&
    import -window root -crop 1920x140+0+0 "$SHOTS_DIR/$1.png" || true
}

# The ticker text: the demo presentation's town news, repeated by the demo to 1,000 items.
ticker="$work/Ticker.txt"
cat "$root/examples/DemoArea/Projects/Harbour Town/"*/Ticker.txt >"$ticker"

# ---- ticker-demo ---------------------------------------------------------------
setsid "$demo" --file "$ticker" --speed 7 --width 1920 --height 29 --count 1000 2>"$work/demo.log" &
pid=$!
started+=("$pid")
sleep 3
t0=$(process_ticks "$pid"); w0=$(now)
sleep "$measure"
t1=$(process_ticks "$pid"); w1=$(now)
shot ticker-demo
wall=$(awk -v a="$w0" -v b="$w1" 'BEGIN { printf "%.3f", b - a }')
demo_percent=$(percent $(( t1 - t0 )) "$wall")
kill "$pid"; wait "$pid" 2>/dev/null || true
started=()
echo "ticker-demo, 1,000 items, speed 7 (6 px per 50 ms), 1920 x 29: $demo_percent % of one core" \
     "($(( t1 - t0 )) ticks of 1/$ticks_per_second s over $wall s); $(grep -m1 '^ticker-demo:' "$work/demo.log" | sed 's/^ticker-demo: //')"

# ---- the same text as a CSS marquee in Chromium -----------------------------------
# Items as ticker-demo lays them out: a leading gap, then each line and a bullet,
# 1,000 in all; bold 14 pt Arial, green on black, moving 120 px per second.
{
  cat <<'HTML'
<!DOCTYPE html>
<html><head><meta charset="utf-8"><style>
html, body { margin: 0; background: #000; overflow: hidden; }
#band { height: 29px; overflow: hidden; white-space: nowrap; position: relative; }
#text { position: absolute; left: 0; top: 0; line-height: 29px; font: bold 14pt Arial, sans-serif; color: #0f0;
        will-change: transform; animation: marquee 60s linear infinite; }
#text span { padding: 0 30px; }
#text i { display: inline-block; width: 14px; height: 12px; border-radius: 50%; background: #0f0; }
#text b { display: inline-block; width: 1728px; }
@keyframes marquee { from { transform: translateX(0); } to { transform: translateX(var(--distance)); } }
</style></head><body><div id="band"><div id="text"><b></b>
HTML
  awk -v want=1000 '
    { line = $0; sub(/\r$/, "", line); split(line, f, "|"); text[n++] = f[1] }
    END {
      items = 1
      for (i = 0; items < want; i = (i + 1) % n) {
        t = text[i]; gsub(/&/, "\\&amp;", t); gsub(/</, "\\&lt;", t)
        printf "<span>%s</span>", t; items++
        if (items < want) { printf "<i></i>"; items++ }
      }
    }' "$ticker"
  cat <<'HTML'
</div></div><script>
  const text = document.getElementById('text');
  const distance = text.scrollWidth;
  text.style.setProperty('--distance', -distance + 'px');
  text.style.animationDuration = (distance / 120) + 's';
</script></body></html>
HTML
} >"$work/marquee.html"

setsid chromium --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --user-data-dir="$work/chromium" \
  --window-position=0,0 --window-size=1920,140 --app="file://$work/marquee.html" >"$work/chromium.log" 2>&1 &
pid=$!
started+=("$pid")
session=$pid
sleep 8
t0=$(session_ticks); w0=$(now)
sleep "$measure"
t1=$(session_ticks); w1=$(now)
shot chromium-marquee
processes=$(for f in /proc/[0-9]*/stat; do s=$(cat "$f" 2>/dev/null) || continue; r=${s##*) }; set -- $r; [ "$4" = "$session" ] && echo x; done | wc -l || true)
wall=$(awk -v a="$w0" -v b="$w1" 'BEGIN { printf "%.3f", b - a }')
echo "chromium CSS marquee, same text: $(percent $(( t1 - t0 )) "$wall") % of one core" \
     "($(( t1 - t0 )) ticks over $wall s, $processes processes)"
