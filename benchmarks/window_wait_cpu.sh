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
use_build_folder "${1:-}"
seconds="${2:-400}"

if [[ -z "${CORVANTA_WINDOW_BENCHMARK_INSIDE:-}" ]]; then
  for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (Debian: xvfb, xdotool)" >&2; exit 2; }
  done
  build_targets converter kelvane
  CORVANTA_WINDOW_BENCHMARK_INSIDE=1 exec "$root/scripts/isolated.sh" "$0" "$build" "$seconds"
fi

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

ffmpeg -loglevel error -f lavfi -i "testsrc=duration=$seconds:size=320x240:rate=30" \
  -f lavfi -i "sine=frequency=440:duration=$seconds" -c:v mpeg4 -q:v 5 -c:a aac -shortest \
  "$work/clip.mp4"

# Xvfb picks a free display and writes its number to descriptor 3.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 display <&3 || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

mkdir "$work/home"
HOME="$work/home" "$build/bin/converter" >"$work/converter.log" 2>&1 &
converter=$!
pids+=("$converter")
window="$(xdotool search --sync --onlyvisible --class converter | head -n 1)"
sleep 1
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
# Each dialog takes a typed path and Return.
choose() { sleep 1.5; xdotool type --delay 2 "$1"; xdotool key Return; sleep 1; }
click 721 100  # Add
choose "$work/clip.mp4"
mkdir "$work/out"
click 391 406  # the output folder's Browse
choose "$work/out"
click 721 259  # Convert

encoder_pid() {
  for status in /proc/[0-9]*/comm; do
    [[ "$(cat "$status" 2>/dev/null)" == quorbel.exe ]] && { status="${status%/comm}"; echo "${status#/proc/}"; return; }
  done
  return 0
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$converter/stat"; }
now() { date +%s.%N; }

for ((i = 0; i < 1000; i++)); do
  encoder="$(encoder_pid)"
  [[ -n "$encoder" ]] && break
  sleep 0.01
done
[[ -n "$encoder" ]] || { echo "the encoder did not start" >&2; cat "$work/converter.log" >&2; exit 1; }
start_ticks="$(cpu_ticks)"
start="$(now)"
while [[ -e "/proc/$encoder" && "$(awk '{print $3}' "/proc/$encoder/stat" 2>/dev/null)" != Z ]]; do
  sleep 0.01
done
end="$(now)"
end_ticks="$(cpu_ticks)"

awk -v s="$start" -v e="$end" -v a="$start_ticks" -v b="$end_ticks" -v hz="$(getconf CLK_TCK)" \
  'BEGIN { wall = e - s; cpu = (b - a) / hz;
           printf "encoder ran %.2f s; converter CPU %.3f s (%.2f%% of it)\n", wall, cpu, 100 * cpu / wall }'
