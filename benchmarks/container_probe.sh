#!/usr/bin/env bash
# Times the empty-AVI-chunk check, warm and cold, on three AVIs without empty
# chunks (so every index or header must be looked at): half an hour of small
# mpeg4 with idx1, the same streamed (no index, sizes left unfilled), and an
# OpenDML file past 1 GiB (idx1 plus "AVIX" with its indexes).
#   benchmarks/avi_probe.sh [build folder]   (needs about 2.5 GB in $TMPDIR)
set -euo pipefail
source "$(dirname "$0")/build_folder.sh"
use_build_folder "${1:-}"
build_targets avi_probe

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ffmpeg -loglevel error -f lavfi -i testsrc=duration=1800:size=320x240:rate=25 \
  -f lavfi -i sine=duration=1800 -c:v mpeg4 -bf 0 -q:v 3 -c:a pcm_s16le -shortest "$work/indexed.avi"
ffmpeg -loglevel error -i "$work/indexed.avi" -c copy -f avi pipe:1 >"$work/streamed.avi"
ffmpeg -loglevel error -f lavfi -i testsrc=duration=660:size=320x240:rate=25 \
  -f lavfi -i sine=duration=660 -c:v rawvideo -pix_fmt yuv420p -c:a pcm_s16le -shortest \
  "$work/opendml.avi"
files=("$work/indexed.avi" "$work/streamed.avi" "$work/opendml.avi")
"$build/bin/avi_probe" --rounds 5 "${files[@]}"
"$build/bin/avi_probe" --cold --rounds 3 "${files[@]}"
