#!/usr/bin/env bash
# Compares the wall time of converting three clips through a whole run of the
# converter (offscreen) with starting the encoder directly on the same
# command lines. The run should stay within 3% of the direct time.
#   benchmarks/run_overhead.sh [build folder] [rounds]   (defaults: build, 4)
# Rounds alternate which side goes first. Runs in a private PID namespace
# where it can, so its ending of "quorbel.exe" reaches no other encoder.
set -euo pipefail
source "$(dirname "$0")/build_folder.sh"
source "$(dirname "$0")/test_clip.sh"
use_build_folder "${1:-}"
rounds="${2:-4}"

build_targets run_overhead kelvane
program="$build/bin/run_overhead"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for name in first second third; do test_clip "$work/$name.mp4" 640x480 10 25; done
mkdir "$work/out"

total_run=0
total_direct=0
for ((round = 1; round <= rounds; round++)); do
  order=()
  ((round % 2 == 0)) && order=(--direct-first)
  line="$(QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$root/scripts/isolated.sh" \
    "$program" "${order[@]}" "$work/out" "$work/first.mp4" "$work/second.mp4" "$work/third.mp4")"
  echo "round $round: $line"
  total_run="$(awk -v a="$total_run" -v b="$(awk '{print $2}' <<<"$line")" 'BEGIN{print a+b}')"
  total_direct="$(awk -v a="$total_direct" -v b="$(awk '{print $5}' <<<"$line")" 'BEGIN{print a+b}')"
  rm -f "$work/out/"*
done
awk -v r="$total_run" -v d="$total_direct" \
  'BEGIN{printf "total: run %.3f s  direct %.3f s  ratio %.4f (goal: at most 1.03)\n", r, d, r/d}'
