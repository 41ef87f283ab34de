#!/usr/bin/env bash
# Measures, in the converter's real window on an X server (Xvfb), the time
# from a click on Stop to the end of an encoder that writes nothing: one
# whose input is a named pipe with no writer, one reading an input that is a
# link to /dev/zero, and one converting a clip but stopped by SIGSTOP. Each
# case starts a converter of its own, adds the file, converts it, and clicks
# Convert again once the encoder runs.
#   benchmarks/stop_silent_encoder.sh [build folder] [rounds]   (defaults: build, 3)
# Needs Xvfb and xdotool (Debian: xvfb, xdotool). Runs in a private PID
# namespace where it can, so its ending of "quorbel.exe" reaches no other
# encoder.
set -euo pipefail
source "$(dirname "$0")/build_folder.sh"
source "$(dirname "$0")/window_session.sh"
source "$(dirname "$0")/test_clip.sh"
use_build_folder "${1:-}"
rounds="${2:-3}"
enter_session "$build" "$rounds"

mkfifo "$work/nobody-writes.mp4"
ln -s /dev/zero "$work/zero.mp4"
test_clip "$work/clip.mp4" 320x240 600 30
mkdir "$work/out"
start_x_server

# Starts a converter on `input`, lets `silence` act on its encoder, clicks
# Stop and prints the milliseconds from the button's release to the
# encoder's end as a range: the release is sent while xdotool runs.
stop_time() {
  local input=$1 silence=$2 releasing released ended
  start_converter
  convert_in_window "$input" "$work/out"
  wait_for_encoder
  sleep 0.5
  $silence "$encoder"
  xdotool mousemove --window "$window" "${convert_at[@]}" mousedown 1  # Stop, pressed
  releasing="$(now)"
  xdotool mouseup 1
  released="$(now)"
  if ! wait_until_ended "$encoder" 10; then
    kill -KILL "$encoder" "$converter"
    wait "$converter" 2>/dev/null || true
    echo "not ended within 10 s"
    return
  fi
  ended="$(now)"
  kill "$converter"
  wait "$converter" 2>/dev/null || true
  awk -v a="$releasing" -v b="$released" -v e="$ended" \
    'BEGIN { printf "%.0f-%.0f", 1000 * (e - b), 1000 * (e - a) }'
}

nothing() { :; }
pause() { kill -STOP "$1"; }

for case in "named pipe with no writer:$work/nobody-writes.mp4:nothing" \
            "link to /dev/zero:$work/zero.mp4:nothing" \
            "clip, encoder stopped by SIGSTOP:$work/clip.mp4:pause"; do
  IFS=: read -r what input silence <<<"$case"
  times=()
  for ((round = 0; round < rounds; round++)); do times+=("$(stop_time "$input" "$silence")"); done
  echo "$what: ${times[*]} (ms from the Stop button's release to the encoder's end)"
done
