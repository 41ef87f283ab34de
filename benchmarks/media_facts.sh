#!/usr/bin/env bash
# Measures one video file made from the matrix's sync picture and sound (see
# matrix_inputs.sh) as a player would show it, and prints one line:
#   <different pictures> <video s> <audio s> <offset at second M> <offset at second E>
# An offset is the beep's onset minus the picture's change into the same
# second, in seconds (positive: the sound comes late); "-" where either is
# missing. A missing stream has 0 pictures or 0 s.
#   benchmarks/media_facts.sh <file> <M> <E>
set -euo pipefail
file="$1" mid="$2" end="$3"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# An AVI's length is its count of video chunks (repeats included) times the
# frame time, as ffprobe reports it; other containers store it in different
# ways (ASF counts its preroll), so their length runs from the first decoded
# picture's start to the last one's end.
avi_seconds=""
if [[ "$(ffprobe -v error -show_entries format=format_name -of csv=p=0 "$file" 2>/dev/null)" == avi ]]; then
  avi_seconds="$(ffprobe -v error -select_streams v:0 -show_entries stream=duration -of csv=p=0 "$file" |
    cut -d, -f1)"
fi
read -r pictures video_seconds < <(
  ffmpeg -loglevel error -i "$file" -map 0:v:0 -f framemd5 - 2>/dev/null | awk -F'[ ,/]+' -v avi="$avi_seconds" '
    /^#tb 0:/ { num = $3; den = $4 }
    /^#/ { next }
    { if (!started) { first = $3; started = 1 }; end = $3 + $4; hashes[$NF] = 1; n++ }
    END {
      distinct = 0; for (h in hashes) distinct++
      if (avi != "" && avi != "N/A") seconds = avi; else seconds = (n && den) ? (end - first) * num / den : 0
      printf "%d %.3f\n", distinct, seconds
    }')

# The picture's centre shows one grey level a second, 16 + 18 * second, or
# about 21 * second where a full-range codec (MJPEG) holds it; a file is read
# on whichever scale fits its levels better. The first picture at a new level
# is that second's change. The centre fifth lies inside the grey box however
# the picture is turned or stretched.
levels="crop=iw/5:ih/5,signalstats,metadata=mode=print:key=lavfi.signalstats.YAVG"
ffmpeg -loglevel error -i "$file" -map 0:v:0 -vf "$levels:file=$scratch/picture" -f null - 2>/dev/null || true
# The sound is silent but for a 0.1 s beep at each whole second, of
# 400 + 100 * second Hz; it is read in blocks of 5 ms. A beep's onset is the
# first loud block after 0.3 s of quiet, its second the tone's frequency over
# the 40 ms after that block, counted from its zero crossings.
blocks="aformat=sample_fmts=flt:sample_rates=16000:channel_layouts=mono,asetnsamples=n=80:p=0"
blocks="$blocks,astats=metadata=1:reset=1:measure_perchannel=RMS_level+Zero_crossings:measure_overall=none"
ffmpeg -loglevel error -i "$file" -map 0:a:0 -af "$blocks,ametadata=mode=print:file=$scratch/sound" -f null - \
  2>/dev/null || true
touch "$scratch/picture" "$scratch/sound"

awk -v pictures="$pictures" -v video="$video_seconds" -v mid="$mid" -v end="$end" '
  { part = FILENAME == ARGV[1] ? 1 : 2 }
  { sub(/^.*pts_time:/, "time=") }
  part == 1 && /^time=/ { time = substr($0, 6) }
  part == 1 && /YAVG=/ {
    level = substr($0, index($0, "=") + 1); times[++frames] = time; levels[frames] = level
    limited += away((level - 16) / 18); full += away(level / (18 * 255 / 219))
  }
  part == 2 && /^time=/ {
    time = substr($0, 6); if (!blocks++) first = time; last = time
  }
  part == 2 && /RMS_level=/ {
    level = substr($0, index($0, "=") + 1); loud = level != "-inf" && level + 0 > -20
    if (loud && quiet >= 60 && counting == 0) { onset = time; counting = 9; crossings = 0 }
    quiet = loud ? 0 : quiet + 1
  }
  part == 2 && /Zero_crossings=/ && counting {
    if (counting-- < 9) crossings += substr($0, index($0, "=") + 1)
    if (counting == 0) {
      second = int((crossings / 0.08 - 400) / 100 + 0.5)
      if (!(second in beep)) beep[second] = onset
    }
  }
  function away(x, nearest) { nearest = int(x + 0.5); return x > nearest ? x - nearest : nearest - x }
  function offset(second) {
    return (second in change && second in beep) ? sprintf("%+.3f", beep[second] - change[second]) : "-"
  }
  END {
    base = full < limited ? 0 : 16; step = full < limited ? 18 * 255 / 219 : 18
    for (i = 1; i <= frames; i++) {
      second = int((levels[i] - base) / step + 0.5)
      if (i > 1 && second != previous && !(second in change)) change[second] = times[i]
      previous = second
    }
    audio = blocks ? last - first + 0.005 : 0
    printf "%d %.3f %.3f %s %s\n", pictures, video, audio, offset(mid), offset(end)
  }' "$scratch/picture" "$scratch/sound"
