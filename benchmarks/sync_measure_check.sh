#!/usr/bin/env bash
# Shows how exactly media_facts.sh reads the sound's offset: copies the
# picture of one file made by matrix_inputs.sh (or converted from one) into
# Matroska with its sound, decoded, delayed by 80 ms, as it is, and 80 ms
# early, and prints each copy's measures; the offsets should read 80 ms apart.
#   benchmarks/sync_measure_check.sh <file>
set -euo pipefail
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for shift in "+0.080 adelay=80:all=1" "0 anull" "-0.080 atrim=start=0.08,asetpts=PTS-STARTPTS"; do
  ffmpeg -loglevel error -fflags +genpts -i "$1" -map 0:v:0 -map 0:a:0 -c:v copy -af "${shift#* }" \
    -c:a flac "$scratch/moved.mkv"
  echo "sound moved by ${shift%% *} s: $("$(dirname "$0")/media_facts.sh" "$scratch/moved.mkv" 6 11)"
  rm "$scratch/moved.mkv"
done
