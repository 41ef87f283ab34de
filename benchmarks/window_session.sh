# Sourced by the benchmark scripts that drive the converter's real window on
# an X server of their own (Xvfb) with xdotool, after build_folder.sh.
#   enter_session ARGS...    first: checks the tools, builds the converter and
#                            runs the calling script again with ARGS in a
#                            private PID namespace; there: makes `work`, a
#                            temporary folder removed on exit with every
#                            process started here
#   start_x_server [size]    starts Xvfb and exports its DISPLAY
#   start_converter          starts a converter; sets `converter` (its
#                            process) and `window` (its main window)
#   click X Y                clicks at X,Y of `window`
#   choose PATH              types PATH into the dialog just opened, and Return
#   convert_in_window INPUT FOLDER
#                            adds INPUT through Add's dialog, chooses FOLDER
#                            through the output folder's Browse, and clicks
#                            Convert (at `convert_at`, where Stop also is)
#   encoder_pid              the first "quorbel.exe" process, if any
#   wait_for_encoder         waits up to 10 s for one; sets `encoder`
#   wait_until_ended PID [S] returns once PID has ended (gone or a zombie);
#                            fails after S seconds when S is given
#   now                      the time in seconds
session_pids=()
end_session() {
  for pid in "${session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}

enter_session() {
  if [[ -z "${CORVANTA_WINDOW_BENCHMARK_INSIDE:-}" ]]; then
    for tool in Xvfb xdotool; do
      command -v "$tool" >/dev/null || { echo "$tool is missing (Debian: xvfb, xdotool)" >&2; exit 2; }
    done
    build_targets converter kelvane
    CORVANTA_WINDOW_BENCHMARK_INSIDE=1 exec "$root/scripts/isolated.sh" "$0" "$@"
  fi
  work="$(mktemp -d)"
  trap 'end_session; rm -rf "$work"' EXIT
}

start_x_server() {
  local display
  # Xvfb picks a free display and writes its number to descriptor 3.
  exec 3<> <(:)
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  session_pids+=($!)
  read -r -t 10 display <&3 || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$display"
  unset QT_QPA_PLATFORM
}

start_converter() {
  mkdir -p "$work/home"
  HOME="$work/home" "$build/bin/converter" >>"$work/converter.log" 2>&1 &
  converter=$!
  session_pids+=("$converter")
  window="$(xdotool search --sync --onlyvisible --pid "$converter" | head -n 1)"
  sleep 1
}

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
# Each dialog takes a typed path and Return.
choose() { sleep 1.5; xdotool type --delay 2 "$1"; xdotool key Return; sleep 1; }

convert_at=(721 259)
convert_in_window() {
  click 721 100  # Add
  choose "$1"
  click 391 406  # the output folder's Browse
  choose "$2"
  click "${convert_at[@]}"
}

encoder_pid() {
  local status
  for status in /proc/[0-9]*/comm; do
    [[ "$(cat "$status" 2>/dev/null)" == quorbel.exe ]] && { status="${status%/comm}"; echo "${status#/proc/}"; return; }
  done
  return 0
}

wait_for_encoder() {
  local i
  for ((i = 0; i < 1000; i++)); do
    encoder="$(encoder_pid)"
    [[ -n "$encoder" ]] && return
    sleep 0.01
  done
  echo "the encoder did not start" >&2
  cat "$work/converter.log" >&2
  exit 1
}

wait_until_ended() {
  local state deadline=$((SECONDS + ${2:-999999}))
  while read -r _ _ state _ 2>/dev/null <"/proc/$1/stat" && [[ "$state" != Z ]]; do
    ((SECONDS < deadline)) || return 1
    sleep 0.005
  done
}

now() { date +%s.%N; }
