#!/usr/bin/env bash
# Times the input probe that runs before each row, and the output check
# after it, warm and with the file's pages dropped, on files made to cost
# them most and on large real inputs:
#   - crafted AVIs: a super index whose 100,000 entries all name one
#     standard index of 500,000 entries; 10,000 super indexes of 100 entries
#     naming that index; a 2 GiB streamed AVI without any index (16-byte
#     chunks, none empty);
#   - AVIs as ffmpeg writes them: half an hour of small mpeg4 with idx1, the
#     same streamed (no index), and an OpenDML file past 1 GiB;
#   - 2 GB real inputs: an MP4 with its movie box at the end, a DVD-style
#     program stream, an H.264 + AAC transport stream;
#   - and the check of the encoder's output after each row, on MEncoder's
#     own OpenDML AVI past 1 GiB.
# Each group is made, timed and removed before the next.
#   benchmarks/container_probe.sh [build folder]   (needs about 2.5 GB in $TMPDIR)
set -euo pipefail
source "$(dirname "$0")/build_folder.sh"
use_build_folder "${1:-}"
build_targets container_probe

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

measure() {
  "$build/bin/container_probe" --rounds 5 "$@"
  "$build/bin/container_probe" --cold --rounds 3 "$@"
}

# Little-endian numbers as bytes.
le32() {
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) \
    $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"
}
le64() { le32 $(($1 & 0xFFFFFFFF)); le32 $(($1 >> 32)); }

# Writes `count` copies of the file `unit` to stdout.
repeat() {
  local unit="$1" count="$2" copies="$work/copies"
  cp "$unit" "$copies"
  while (($(stat -c %s "$copies") < $(stat -c %s "$unit") * count)); do
    cat "$copies" "$copies" >"$copies.2" && mv "$copies.2" "$copies"
  done
  head -c $(($(stat -c %s "$unit") * count)) "$copies"
  rm -f "$copies"
}

# An AVI whose header holds `lists` stream lists, each with a super index of
# `names` entries, all naming the one standard index of `entries` entries
# (none empty) in the OpenDML extension that follows.
crafted_opendml() {
  local lists="$1" names="$2" entries="$3"
  local indx=$((24 + 16 * names)) strl hdrl riff ix
  strl=$((4 + 8 + indx))
  hdrl=$((4 + lists * (8 + strl)))
  riff=$((4 + 8 + hdrl + 8 + 14 + 8 + 16))
  ix=$((8 + riff + 12 + 12 + 10))
  { le64 "$ix"; le32 $((8 + 24 + 8 * entries)); le32 2; } >"$work/name"
  {
    printf 'LIST'; le32 "$strl"; printf 'strl'
    printf 'indx'; le32 "$indx"; printf '\x04\x00\x00\x00'; le32 "$names"; printf '00dc'
    le32 0; le32 0; le32 0
    repeat "$work/name" "$names"
  } >"$work/strl"
  { le32 8; le32 $((0x80000002)); } >"$work/entry"
  {
    printf 'RIFF'; le32 "$riff"; printf 'AVI '
    printf 'LIST'; le32 "$hdrl"; printf 'hdrl'
    repeat "$work/strl" "$lists"
    printf 'LIST'; le32 14; printf 'movi00dc'; le32 2; printf 'ab'
    printf 'idx1'; le32 16; printf '00dc'; le32 16; le32 4; le32 2
    printf 'RIFF'; le32 $((4 + 8 + 4 + 10 + 8 + 24 + 8 * entries)); printf 'AVIX'
    printf 'LIST'; le32 $((4 + 10 + 8 + 24 + 8 * entries)); printf 'movi00dc'; le32 2; printf 'cd'
    printf 'ix00'; le32 $((24 + 8 * entries)); printf '\x02\x00\x00\x01'; le32 "$entries"
    printf '00dc'; le64 0; le32 0
    repeat "$work/entry" "$entries"
  }
}

# A streamed AVI of 2 GiB: RIFF and "movi" sizes left 0, no index, and
# 16-byte video chunks of which none is empty.
crafted_unindexed() {
  { printf '00dc'; le32 8; printf 'pictures'; } >"$work/chunk"
  repeat "$work/chunk" 65536 >"$work/mib"
  printf 'RIFF'; le32 0; printf 'AVI '
  printf 'LIST'; le32 68; printf 'hdrlavih'; le32 56; head -c 56 /dev/zero
  printf 'LIST'; le32 0; printf 'movi'
  for ((i = 0; i < 2048; ++i)); do cat "$work/mib"; done
}

crafted_opendml 1 100000 500000 >"$work/one-index-named-100000-times.avi"
crafted_opendml 10000 100 500000 >"$work/10000-super-indexes.avi"
crafted_unindexed >"$work/2GiB-without-index.avi"
measure "$work"/*.avi
rm -f "$work"/*

ffmpeg -loglevel error -f lavfi -i testsrc=duration=1800:size=320x240:rate=25 \
  -f lavfi -i sine=duration=1800 -c:v mpeg4 -bf 0 -q:v 3 -c:a pcm_s16le -shortest "$work/indexed.avi"
ffmpeg -loglevel error -i "$work/indexed.avi" -c copy -f avi pipe:1 >"$work/streamed.avi"
ffmpeg -loglevel error -f lavfi -i testsrc=duration=660:size=320x240:rate=25 \
  -f lavfi -i sine=duration=660 -c:v rawvideo -pix_fmt yuv420p -c:a pcm_s16le -shortest \
  "$work/opendml.avi"
measure "$work"/*.avi
# The check of the encoder's output after each row, on MEncoder's own
# OpenDML AVI of the same pictures.
mencoder -really-quiet "$work/opendml.avi" -ovc copy -oac copy -o "$work/output.avi" >/dev/null 2>&1
measure --output "$work/output.avi"
rm -f "$work"/*

# Noise keeps the encoders from shrinking the picture: 55 s of 720p H.264
# are about 400 MB, 60 s of DVD video about 64 MB; copies join them.
ffmpeg -loglevel error -f lavfi -i 'testsrc2=size=1280x720:rate=25:duration=55,noise=alls=20:allf=t+u' \
  -f lavfi -i sine=duration=55:sample_rate=48000 -c:v libx264 -preset ultrafast -crf 20 -c:a aac \
  "$work/part.mp4"
ffmpeg -loglevel error -stream_loop 4 -i "$work/part.mp4" -c copy "$work/2GB.mp4"
measure "$work/2GB.mp4"
rm -f "$work/2GB.mp4"
ffmpeg -loglevel error -stream_loop 4 -i "$work/part.mp4" -c copy -f mpegts "$work/2GB.ts"
measure "$work/2GB.ts"
rm -f "$work"/*
ffmpeg -loglevel error -f lavfi -i 'testsrc2=size=720x576:rate=25:duration=60,noise=alls=20:allf=t+u' \
  -f lavfi -i sine=duration=60:sample_rate=48000 -target pal-dvd -b:v 8M -maxrate 9M "$work/part.vob"
ffmpeg -loglevel fatal -stream_loop 31 -i "$work/part.vob" -c copy -f vob "$work/2GB.vob"
measure "$work/2GB.vob"
