#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs to build, run and test.
# Only missing packages are installed; with everything present it returns at
# once, without a call to apt-get. Every name below is a real package (not a
# virtual one that another package provides), since only real packages report
# as installed to dpkg-query.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config
  # GUI, sound and video, web pages, archives
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  qt6-multimedia-dev qt6-webengine-dev qt6-webengine-dev-tools
  # the video window's media back end (Qt's GStreamer plugin) and its decoders
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  gstreamer1.0-pulseaudio gstreamer1.0-alsa
  # the test media (scripts/make-test-media.sh) and the playback CPU benchmark
  ffmpeg gstreamer1.0-tools
  libarchive-dev
  # publishing: the web site upload, zip and unzip to compare the archives against
  libcurl4-openssl-dev zip unzip
  # "Arial" resolves to a metric-compatible face
  fonts-liberation
  # tests, benchmarks, fuzzers
  libgtest-dev libgmock-dev googletest libbenchmark-dev clang libclang-rt-14-dev
  # headless runs of the real programs: virtual display, window lookup, screenshots
  xvfb xauth x11-utils xdotool imagemagick
  # reads printed PDF reports back as text
  poppler-utils
  # a local FTP server for the upload test
  python3-pyftpdlib
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  case "$status" in
    *" installed") ;;
    *) missing+=("$p") ;;
  esac
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1 && { [ -t 0 ] || sudo -n true 2>/dev/null; }; then
  sudo=(sudo)  # asks for the password when it needs one
else
  {
    echo "These Debian packages are missing: ${missing[*]}"
    echo "Installing them needs root, and this user is not root and cannot use sudo here."
    echo "Either run this again as root, or have an administrator run:"
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}"
  } >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"

# A name that still does not report as installed would make every later run
# install again: say so, so that the list gets mended.
for p in "${missing[@]}"; do
  case "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)" in
    *" installed") ;;
    *) echo "warning: $p does not report as installed after the install; is it a real package name?" >&2 ;;
  esac
done
