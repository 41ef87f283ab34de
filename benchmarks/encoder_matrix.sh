#!/usr/bin/env bash
# Converts real files of every kind the Add filter offers, AVIs as common
# tools write them and the converter's own AVI outputs, through the same
# code a run uses (command line, adaptation to the carried encoder, encoder
# loop), and checks each output: it exists, holds video and audio, decodes to
# at least 95% of the input's different pictures and lasts within 3% of the
# input's video. Every input with the default settings; one input with every
# video codec at every frame rate; one with every audio codec at every sample
# rate and audio bitrate.
#   benchmarks/encoder_matrix.sh [build folder] [clip seconds]   (defaults: build, 10)
# Prints one line per conversion and exits non-zero when a combination that
# the codecs allow fails, or one they refuse passes.
# Each conversion runs in a private PID namespace where one can be made (see
# scripts/isolated.sh); elsewhere it ends any running "quorbel.exe" of this
# user, as the converter does.
set -euo pipefail
source "$(dirname "$0")/build_folder.sh"
use_build_folder "${1:-}"
seconds="${2:-10}"

build_targets encoder_matrix_convert
convert="$build/bin/encoder_matrix_convert"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/in" "$work/out"

# A 25 fps test picture (every frame different) with a stereo tone.
make_input() {
  local name="$1"
  shift
  ffmpeg -loglevel error -y -f lavfi -i "testsrc=duration=$seconds:size=320x240:rate=25" \
    -f lavfi -i "sine=frequency=440:duration=$seconds" -ac 2 "$@" -shortest "$work/in/$name"
}

make_input avi-mpeg4-mp3.avi -c:v mpeg4 -c:a libmp3lame
make_input avi-mjpeg-pcm.avi -c:v mjpeg -c:a pcm_s16le
make_input avi-h264-aac.avi -c:v libx264 -c:a aac
# Dropped frames: every tenth picture left out, and the AVI muxer fills each
# gap with a video chunk of size 0, as capture tools do.
make_input dropped.mkv -vf "select='not(eq(mod(n\,10)\,3))'" -fps_mode passthrough \
  -c:v mpeg4 -c:a libmp3lame
ffmpeg -loglevel error -y -i "$work/in/dropped.mkv" -c copy -fps_mode passthrough \
  "$work/in/avi-dropped-frames.avi"
rm "$work/in/dropped.mkv"
make_input clip.mpg -c:v mpeg1video -c:a mp2 -f mpeg
make_input clip.mp4 -c:v libx264 -c:a aac
make_input clip.3gp -vf scale=176:144 -c:v h263 -c:a aac -ar 22050
make_input clip.rmvb -c:v rv20 -c:a ac3 -f rm
make_input clip.mkv -c:v libx264 -c:a libvorbis
make_input clip.wmv -c:v wmv2 -c:a wmav2 -f asf
make_input clip.vob -c:v mpeg2video -c:a ac3 -ar 48000 -f vob
make_input clip.flv -c:v flv1 -c:a libmp3lame -ar 44100
make_input clip.swf -c:v flv1 -c:a libmp3lame -ar 44100 -f swf
make_input clip.mov -c:v mpeg4 -c:a aac
make_input clip.f4v -c:v libx264 -c:a aac -f mp4
make_input clip.dat -c:v mpeg1video -c:a mp2 -f mpeg

run_convert() {  # input output video rate audio bitrate samplerate
  "$root/scripts/isolated.sh" "$convert" "$work/program" "$@" >"$work/arguments.txt" 2>/dev/null || true
}

# The converter's own AVI outputs, at a frame rate that repeats pictures
# (MEncoder writes a video chunk of size 0 for each repeat).
for codec in XVID x264 Divx mpeg1; do
  run_convert "$work/in/avi-mjpeg-pcm.avi" "$work/in/own-$codec.avi" "$codec" 30 MP3 128 44100
done

# "<different pictures> <seconds>" of a file's video. An AVI's length is its
# count of video chunks (repeats included) times the frame time, as ffprobe
# reports it; other containers store it in different ways (ASF counts its
# preroll), so their length runs from the first decoded picture's start to
# the last one's end.
video_facts() {
  local avi_seconds=""
  if [[ "$(ffprobe -v error -show_entries format=format_name -of csv=p=0 "$1" 2>/dev/null)" == avi ]]; then
    avi_seconds="$(ffprobe -v error -select_streams v:0 -show_entries stream=duration -of csv=p=0 "$1" | cut -d, -f1)"
  fi
  ffmpeg -loglevel error -i "$1" -map 0:v:0 -f framemd5 - 2>/dev/null | awk -F'[ ,/]+' -v avi="$avi_seconds" '
    /^#tb 0:/ { num = $3; den = $4 }
    /^#/ { next }
    { if (!started) { first = $3; started = 1 }; end = $3 + $4; hashes[$NF] = 1; n++ }
    END {
      distinct = 0; for (h in hashes) distinct++
      printf "%d %.3f\n", distinct, avi != "" ? avi : (n && den) ? (end - first) * num / den : 0
    }'
}

stream_kinds() {
  ffprobe -v error -show_entries stream=codec_type -of csv=p=0 "$1" 2>/dev/null | sort -u | tr '\n' '+' |
    sed 's/+$//'
}

# The combinations that the codecs themselves refuse.
refused() {  # video rate audio bitrate samplerate
  [[ "$1" == mpeg1 && "$2" =~ ^(32|34|35)$ ]] && return 0
  [[ "$3" == aac ]] && return 0
  [[ "$3" == MP2 && "$4" == 32 && "$5" =~ ^(32000|44100|48000)$ ]] && return 0
  [[ "$3" == MP2 && "$4" == 320 && "$5" =~ ^(22050|24000)$ ]] && return 0
  return 1
}

declare -A input_frames input_seconds
passed=0 refusals=0 failures=0 count=0
printf '%-22s %-6s %-6s %-4s %4s %6s %-7s %11s %15s %-11s %s\n' input video fps audio kbit Hz \
  demuxer "frames" "video s" streams result
check() {  # input video rate audio bitrate samplerate
  local input="$1" name
  name="$(basename "$input")"
  if [[ -z "${input_frames[$name]:-}" ]]; then
    read -r "input_frames[$name]" "input_seconds[$name]" < <(video_facts "$input")
  fi
  count=$((count + 1))
  local output="$work/out/$count.MP4"
  run_convert "$input" "$output" "$2" "$3" "$4" "$5" "$6"
  local demuxer=own
  grep -q -- "-demuxer lavf" "$work/arguments.txt" && demuxer=ffmpeg
  local frames=0 length=0 kinds=none
  if [[ -s "$output" ]]; then
    read -r frames length < <(video_facts "$output")
    kinds="$(stream_kinds "$output")"
  fi
  # Every input shows at most 25 different pictures a second and every
  # offered frame rate is higher, so no picture has to be dropped.
  local ok
  ok="$(awk -v f="$frames" -v e="${input_frames[$name]}" -v l="$length" -v s="${input_seconds[$name]}" \
    -v k="$kinds" 'BEGIN { print (k == "audio+video" && f >= 0.95 * e && l >= 0.97 * s && l <= 1.03 * s) ? 1 : 0 }')"
  local result
  if refused "$2" "$3" "$4" "$5" "$6"; then
    if ((ok)); then result="PASSES THOUGH REFUSED"; failures=$((failures + 1));
    else result="refused by the codec"; refusals=$((refusals + 1)); fi
  elif ((ok)); then result=pass; passed=$((passed + 1))
  else result=FAIL; failures=$((failures + 1)); fi
  printf '%-22s %-6s %-6s %-4s %4s %6s %-7s %5s/%-5s %7.2f/%-7.2f %-11s %s\n' "$name" "$2" "$3" "$4" "$5" \
    "$6" "$demuxer" "$frames" "${input_frames[$name]}" "$length" "${input_seconds[$name]}" "$kinds" "$result"
  rm -f "$output"
}

defaults=(XVID 29.97 MP3 32 22050)
for input in "$work"/in/*; do check "$input" "${defaults[@]}"; done
for video in XVID x264 Divx mpeg1; do
  for rate in 29.97 30 32 34 35; do check "$work/in/clip.mp4" "$video" "$rate" MP3 32 22050; done
done
for audio in MP3 aac MP2; do
  for samplerate in 22050 24000 32000 44100 48000; do
    for bitrate in 32 64 96 128 320; do
      check "$work/in/avi-mpeg4-mp3.avi" XVID 29.97 "$audio" "$bitrate" "$samplerate"
    done
  done
done

echo "conversions: $count  passed: $passed  refused by the codecs: $refusals  failed: $failures"
((failures == 0))
