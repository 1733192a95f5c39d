#!/usr/bin/env bash
# Makes the project's own media files from FFmpeg's test sources: a moving
# colour pattern with a clock and a running counter, and a sine tone. Nothing is
# downloaded. Usage:
#   scripts/make-test-media.sh OUT_FOLDER [SECONDS] [WIDTHxHEIGHT]
# writes OUT_FOLDER/clip.mp4 (H.264 + AAC), clip.webm (VP8 + Vorbis),
# tone.mp3, tone.ogg (Vorbis) and tone.wav. Files already there are kept.
set -euo pipefail

out=${1:?usage: make-test-media.sh OUT_FOLDER [SECONDS] [WIDTHxHEIGHT]}
seconds=${2:-4}
size=${3:-320x240}
command -v ffmpeg >/dev/null || { echo "make-test-media: ffmpeg is missing (scripts/install-deps.sh installs it)" >&2; exit 2; }
mkdir -p "$out"

encode() {  # encode FILE ffmpeg-arguments...
  local file=$out/$1; shift
  [ -s "$file" ] && return 0
  local part=$file.part$$.${file##*.}  # runs side by side never share a part file
  ffmpeg -hide_banner -loglevel error -nostdin -y "$@" "$part"
  mv "$part" "$file"
}

video=(-f lavfi -i "testsrc2=size=$size:rate=25:duration=$seconds")
tone=(-f lavfi -i "sine=frequency=440:beep_factor=4:duration=$seconds")

encode clip.mp4 "${video[@]}" "${tone[@]}" -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -shortest
encode clip.webm "${video[@]}" "${tone[@]}" -c:v libvpx -b:v 600k -deadline realtime -cpu-used 8 -c:a libvorbis -shortest
encode tone.mp3 "${tone[@]}" -c:a libmp3lame -q:a 6
encode tone.ogg "${tone[@]}" -c:a libvorbis
encode tone.wav "${tone[@]}" -c:a pcm_s16le
