#!/usr/bin/env bash
# Measures the processor time of the converter's waiting side while it runs
# MEncoder (as "quorbel.exe") on a generated clip for about ten seconds, next
# to the encoder's own processor time. The waiting side should stay below 2%
# of the wall time.
#   benchmarks/encoder_wait_cpu.sh [build folder]   (default: build)
# Ends any running "quorbel.exe" of this user, as the converter does.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
[[ "$build" = /* ]] || build="$root/$build"

cmake --build "$build" --target encoder_wait_cpu >/dev/null
program="$build/bin/encoder_wait_cpu"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ffmpeg -loglevel error -f lavfi -i testsrc=duration=24:size=1280x720:rate=25 \
  -f lavfi -i sine=frequency=440:duration=24 -c:v mpeg4 -q:v 5 -c:a aac -shortest \
  "$work/clip.mp4"
cp /usr/bin/mencoder "$work/quorbel.exe"

command_line="quorbel.exe \"$work/clip.mp4\" -srate 44100 -vf-add scale=1280:720 -ofps 25"
command_line+=" -oac mp3lame -lameopts cbr:br=128:mode=0"
command_line+=" -ovc x264 -ffourcc H264 -x264encopts bitrate=2000:threads=2 "
command_line+="-o \"$work/clip.avi\""

QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" "$work/quorbel.exe" "$command_line"
