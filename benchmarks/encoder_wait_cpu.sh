#!/usr/bin/env bash
# Measures the processor time of the converter's waiting side while it runs
# MEncoder (as "quorbel.exe"), next to the encoder's own processor time, in
# two cases:
#   - the window's default settings (320x240 XVID, MP3 32 kbit/s) on a
#     100 s 320x240 clip: a fast encode, so the status lines come fastest;
#   - 1280x720 x264 at 2000 kbit/s on a 24 s 720p clip: a slow encode.
# The waiting side should stay at or below 1.5% of the wall time.
#   benchmarks/encoder_wait_cpu.sh [build folder]   (default: build)
# Runs in a private PID namespace where it can, so its ending of
# "quorbel.exe" reaches no other encoder.
set -euo pipefail
source "$(dirname "$0")/build_folder.sh"
source "$(dirname "$0")/test_clip.sh"
use_build_folder "${1:-}"

build_targets encoder_wait_cpu
program="$build/bin/encoder_wait_cpu"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
test_clip "$work/small.mp4" 320x240 100 30
test_clip "$work/large.mp4" 1280x720 24 25
cp /usr/bin/mencoder "$work/quorbel.exe"

measure() {  # title, command line
  echo "== $1"
  QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$root/scripts/isolated.sh" \
    "$program" "$work/quorbel.exe" "$2"
}

measure "default settings: 320x240 XVID 500 kbit/s, MP3 32 kbit/s 22050 Hz, 29.97 fps" \
  "quorbel.exe \"$work/small.mp4\" -srate 22050 -vf-add scale=320:240 -ofps 29.97 \
-oac mp3lame -lameopts cbr:br=32:mode=0 -ovc xvid -xvidencopts bitrate=500:threads=2 \
-o \"$work/small.avi\""
measure "1280x720 x264 2000 kbit/s, MP3 128 kbit/s 44100 Hz, 25 fps" \
  "quorbel.exe \"$work/large.mp4\" -srate 44100 -vf-add scale=1280:720 -ofps 25 \
-oac mp3lame -lameopts cbr:br=128:mode=0  -ovc x264 -ffourcc H264 \
-x264encopts bitrate=2000:threads=2 -o \"$work/large.avi\""
