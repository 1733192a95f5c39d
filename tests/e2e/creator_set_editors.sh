#!/usr/bin/env bash
# The slideshow and thumbnail editors in the real creator, on a work area with
# a slideshow and a thumbnail set of generated pictures:
# - Step 2 from the bar opens the wizard on the slideshow last edited;
# - a caption typed into the grid is in the set's file once the page is left;
# - Step 3 shows the thumbnail set; closing the wizard keeps both names.
# With E2E_SHOTS set to a folder, screenshots of both pages are written there.
set -uo pipefail
creator=$1
out=${E2E_SHOTS:-}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
work=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
export TAVO_CREATOR_HOME="$work/area/" TAVO_SETTINGS_DIR="$work/settings" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$work/area/Projects/Show/A" "$work/area/Custom/Slideshow/Harbour" "$work/area/Custom/Thumbnail/Tours"
printf '[Subscribers]\r\nSubscriber1=A\r\nStartWith=A\r\nSound=On\r\n' > "$work/area/Projects/Show/Project.ini"
printf '' > "$work/area/Projects/Show/A/!Tavo.ini"
ini='[Slideshow Options]\r\nFilename=SyncEzy.txt\r\nCycle Interval=00:05\r\n[Images]\r\n'; sync=''
tini='[Thumbnail Options]\r\nTitle Caption=Harbour Tours\r\nCycle Interval=00:15\r\n[Images]\r\n'
for i in 1 2 3 4 5 6; do
  convert -size 320x240 "gradient:hsl($((i*50)),80%,60%)-navy" -fill white -font DejaVu-Sans -pointsize 36 -annotate +70+130 "Picture $i" "$work/area/Custom/Slideshow/Harbour/pic$i.jpg"
  cp "$work/area/Custom/Slideshow/Harbour/pic$i.jpg" "$work/area/Custom/Thumbnail/Tours/"
  ini+="Image$i=pic$i.jpg|Harbour view $i\r\n"; sync+="Text for picture $i|http://www.example.com/$i\r\n"
  tini+="Image$i=pic$i.jpg|Tour $i|Slideshow Harbour\r\n"
done
printf "$ini" > "$work/area/Custom/Slideshow/Harbour/Slideshow.ini"
printf "$sync" > "$work/area/Custom/Slideshow/Harbour/SyncEzy.txt"
printf "$tini" > "$work/area/Custom/Thumbnail/Tours/Thumbnail.ini"
printf '[General]\r\nCurProject=Show\r\n[Step2]\r\nCurSlideShow=Harbour\r\n[Step3]\r\nCurThumbnail=Tours\r\n' > "$work/area/TavoCreator.ini"
"$creator" 2>"$work/creator.err" &
pid=$!
field() { xdotool getwindowgeometry --shell "$1" | sed -n "s/^$2=//p"; }
shot() { [ -n "$out" ] && mkdir -p "$out" && import -window root "$out/$1.png"; true; }
wait_for 20 window_titled $pid "Creator - Show" || { cat "$work/creator.err"; fail "no bar"; }
sleep 1
bar=$(window_titled $pid "Creator - Show")
# The bar's "Step 2" button.
xdotool mousemove 165 $(( $(field "$bar" Y) + 38 )) click 1
sleep 2
for w in $(visible_windows $pid); do [ "$(field $w WIDTH)" = 754 ] && wizard=$w; done; wizard=${wizard:-}
[ -n "$wizard" ] || fail "Step 2 did not open the wizard"
wx=$(field "$wizard" X); wy=$(field "$wizard" Y)
click_step() { local width=$(( (754 + 2 + 44) / 12 )); xdotool mousemove $((wx - 1 + $1 * (width - 4) + width / 2)) $((wy + 26)) click 1; }
# select row 2's file cell to see the preview and the column button
row2=$((wy + 280))
xdotool mousemove $((wx + 10 + 25 + 60)) $row2 click 1; sleep 1.5
shot creator-step2
# Row 2's caption, typed over.
xdotool mousemove $((wx + 10 + 25 + 109 + 60)) $row2 click 1; sleep 0.3
xdotool type --delay 20 "Typed caption"
xdotool key Return; sleep 0.3
click_step 3; sleep 1
xdotool mousemove $((wx + 10 + 25 + 77 + 50)) $row2 click 1; sleep 1.5
shot creator-step3
grep -q "^Image2=pic2.jpg|Typed caption" "$work/area/Custom/Slideshow/Harbour/Slideshow.ini" ||
  fail "the typed caption is not in the slideshow: $(cat "$work/area/Custom/Slideshow/Harbour/Slideshow.ini")"
grep -q "^Image6=pic6.jpg|Harbour view 6" "$work/area/Custom/Slideshow/Harbour/Slideshow.ini" || fail "the slideshow lost a picture"
echo "ok: step 2 edits saved when the page is left"
# The wizard's Close button.
xdotool mousemove $((wx + 700)) $((wy + 479)) click 1
wizard_gone() { ! visible_windows $pid | grep -qx "$wizard"; }
wait_for 10 wizard_gone || fail "the wizard did not close"
grep -q "^CurThumbnail=Tours" "$work/area/TavoCreator.ini" || fail "CurThumbnail was not kept"
grep -q "^Title Caption=Harbour Tours" "$work/area/Custom/Thumbnail/Tours/Thumbnail.ini" || fail "the thumbnail title was lost"
grep -q "^CurSlideShow=Harbour" "$work/area/TavoCreator.ini" || fail "CurSlideShow was not kept"
echo "ok: step 3 shown and closed"
