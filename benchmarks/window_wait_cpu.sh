#!/usr/bin/env bash
# Measures the processor time of the whole converter in its real window on
# an X server (Xvfb) while it converts one clip at the window's default
# settings, from the encoder's start to its end. The file is added through
# the Add button's dialog and the run started with Convert, by xdotool.
# The converter should stay at or below 2% of that time.
#   benchmarks/window_wait_cpu.sh [build folder] [clip seconds]   (defaults: build, 400)
# Needs Xvfb and xdotool (Debian: xvfb, xdotool). Runs in a private PID
# namespace where it can, so its ending of "quorbel.exe" reaches no other
# encoder. The output lands in a temporary folder and is removed.
set -euo pipefail
source "$(dirname "$0")/build_folder.sh"
source "$(dirname "$0")/window_session.sh"
source "$(dirname "$0")/test_clip.sh"
use_build_folder "${1:-}"
seconds="${2:-400}"
enter_session "$build" "$seconds"

test_clip "$work/clip.mp4" 320x240 "$seconds" 30
mkdir "$work/out"

start_x_server
start_converter
convert_in_window "$work/clip.mp4" "$work/out"

cpu_ticks() { awk '{print $14 + $15}' "/proc/$converter/stat"; }

wait_for_encoder
start_ticks="$(cpu_ticks)"
start="$(now)"
wait_until_ended "$encoder"
end="$(now)"
end_ticks="$(cpu_ticks)"

awk -v s="$start" -v e="$end" -v a="$start_ticks" -v b="$end_ticks" -v hz="$(getconf CLK_TCK)" \
  'BEGIN { wall = e - s; cpu = (b - a) / hz;
           printf "encoder ran %.2f s; converter CPU %.3f s (%.2f%% of it)\n", wall, cpu, 100 * cpu / wall }'
