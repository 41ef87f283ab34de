#!/usr/bin/env bash
# Tells how an output's picture stands against its input's picture as a
# player shows it upright (ffmpeg turns it by its display matrix): compares
# the output's picture at 4.5 s with the input's at 4.5 s, upright and turned
# clockwise by 90, 180 and 270 degrees, all stretched to one size, and prints
# the turn that differs least, then the mean absolute difference of each:
#   <0|90|180|270> <difference upright> <at 90> <at 180> <at 270>
# or "none" when either picture cannot be read.
#   benchmarks/picture_turn.sh <output> <input>
set -euo pipefail
width=160 height=120
size=${width}x$height
ffmpeg -loglevel error -ss 4.5 -i "$1" -ss 4.5 -i "$2" -filter_complex \
  "[0:v:0]scale=$size,format=gray[out];[1:v:0]format=gray,split=4[a][b][c][d];
   [a]scale=${size}[t0];[b]transpose=clock,scale=${size}[t90];[c]hflip,vflip,scale=${size}[t180];
   [d]transpose=cclock,scale=${size}[t270];[out][t0][t90][t180][t270]vstack=inputs=5" \
  -frames:v 1 -f rawvideo - | od -An -v -tu1 -w1 | awk -v pixels=$((width * height)) '
  NR <= pixels { out[NR] = $1; next }
  { turn = int((NR - 1) / pixels) - 1; d = $1 - out[(NR - 1) % pixels + 1]; sum[turn] += d < 0 ? -d : d }
  END {
    if (NR != 5 * pixels) { print "none"; exit }
    best = 0
    for (t = 1; t < 4; t++) if (sum[t] < sum[best]) best = t
    printf "%d", best * 90
    for (t = 0; t < 4; t++) printf " %.1f", sum[t] / pixels
    printf "\n"
  }'
