#!/usr/bin/env bash
# Makes the encoder matrix's 12-second input files with ffmpeg, four at a
# time, into the given folder: one of every kind the Add filter offers, AVIs
# as common tools write them, and the kinds people bring from elsewhere: DVD
# copies, transport streams, phone videos (of variable frame rate, or turned
# by a display matrix), slideshows and DV.
#   benchmarks/matrix_inputs.sh <folder>
set -euo pipefail
folder="$1"
seconds=12  # the grey box reaches 214 at 11 s: no room for a 13th level

# Every file shows a moving test picture (each frame different) with a black
# corner at its top left, and a grey box in its centre that steps to the level
# 16 + 18 * s at each whole second s; its stereo sound is silent but for a
# 0.1 s beep of 400 + 100 * s Hz at each whole second. Both tell the second
# they belong to, so media_facts.sh can pair them even when they are seconds
# apart. Pads: out0 the picture, out1 the sound.
sync_source() {  # width height rate
  local w="$1" h="$2" r="$3" d="$seconds"
  printf '%s' "testsrc=size=${w}x$h:rate=$r:duration=$d,drawbox=w=iw/4:h=ih/4:color=black:t=fill[p];" \
    "color=size=16x16:rate=$r:duration=$d,format=yuv420p,geq=lum='16+18*floor(T+0.001)':cb=128:cr=128," \
    "scale=$((w / 3)):$((h / 3)):flags=neighbor[b];[p][b]overlay=(W-w)/2:(H-h)/2[out0];" \
    "aevalsrc=exprs='gte(t,1)*lt(t-floor(t),0.1)*0.5*sin(2*PI*(400+100*floor(t))*t)':s=48000:d=$d:c=stereo[out1]"
}

make_clip() {  # name width height rate [ffmpeg output options...]
  local name="$1" w="$2" h="$3" r="$4"
  shift 4
  ffmpeg -loglevel error -y -f lavfi -i "$(sync_source "$w" "$h" "$r")" "$@" "$folder/$name"
}

# A phone stores the picture as its sensor sees it and a display matrix that
# turns it upright: made upright, turned the other way, then tagged.
make_turned() {  # name degrees video codec options...
  local name="$1" degrees="$2" turn
  shift 2
  case "$degrees" in
    90) turn="transpose=clock" ;;
    180) turn="hflip,vflip" ;;
    270) turn="transpose=cclock" ;;
  esac
  make_clip "stored-$name" 720 1280 30 -vf "$turn" "$@" -c:a aac
  ffmpeg -loglevel error -y -i "$folder/stored-$name" -c copy -metadata:s:v:0 rotate="$degrees" \
    "$folder/$name"
  rm "$folder/stored-$name"
}

# Dropped frames: every tenth picture left out, and the AVI muxer fills each
# gap with a video chunk of size 0, as capture tools do.
make_dropped_frames_avi() {
  make_clip dropped.mkv 320 240 25 -vf "select='not(eq(mod(n\,10)\,3))'" -fps_mode passthrough \
    -c:v mpeg4 -c:a libmp3lame
  ffmpeg -loglevel error -y -i "$folder/dropped.mkv" -c copy -fps_mode passthrough \
    "$folder/avi-dropped-frames.avi"
  rm "$folder/dropped.mkv"
}

# One kind per line: the Add filter's kinds at 320x240 and 25 fps.
kinds=(
  "make_clip avi-mpeg4-mp3.avi 320 240 25 -c:v mpeg4 -c:a libmp3lame"
  "make_clip avi-mjpeg-pcm.avi 320 240 25 -c:v mjpeg -c:a pcm_s16le"
  "make_clip avi-h264-aac.avi 320 240 25 -c:v libx264 -c:a aac"
  "make_dropped_frames_avi"
  "make_clip clip.mpg 320 240 25 -c:v mpeg1video -c:a mp2 -f mpeg"
  "make_clip clip.mp4 320 240 25 -c:v libx264 -c:a aac"
  "make_clip clip.3gp 320 240 25 -vf scale=176:144 -c:v h263 -c:a aac -ar 22050"
  "make_clip clip.rmvb 320 240 25 -c:v rv20 -c:a ac3 -f rm"
  "make_clip clip.mkv 320 240 25 -c:v libx264 -c:a libvorbis"
  "make_clip clip.wmv 320 240 25 -c:v wmv2 -c:a wmav2 -f asf"
  "make_clip clip.vob 320 240 25 -c:v mpeg2video -c:a ac3 -f vob"
  "make_clip clip.flv 320 240 25 -c:v flv1 -c:a libmp3lame -ar 44100"
  "make_clip clip.swf 320 240 25 -c:v flv1 -c:a libmp3lame -ar 44100 -f swf"
  "make_clip clip.mov 320 240 25 -c:v mpeg4 -c:a aac"
  "make_clip clip.f4v 320 240 25 -c:v libx264 -c:a aac -f mp4"
  "make_clip clip.dat 320 240 25 -c:v mpeg1video -c:a mp2 -f mpeg"
  # DVD copies: full size, DVD bitrates (the noise keeps the video near
  # 6 Mbit/s) and AC3 sound, as the DVD muxer and as a plain program stream.
  "make_clip dvd-pal.vob 720 576 25 -vf noise=alls=16:allf=t -target pal-dvd"
  "make_clip dvd-pal.mpg 720 576 25 -vf noise=alls=16:allf=t -target pal-dvd -f vob"
  "make_clip dvd-ntsc.vob 720 480 30000/1001 -vf noise=alls=16:allf=t -target ntsc-dvd"
  "make_clip dvd-ntsc.mpg 720 480 30000/1001 -vf noise=alls=16:allf=t -target ntsc-dvd -f vob"
  # Transport streams as recorders and broadcast captures write them.
  "make_clip ts-h264-aac.dat 720 576 25 -c:v libx264 -c:a aac -f mpegts"
  "make_clip ts-mpeg2-mp2.dat 720 576 25 -c:v mpeg2video -b:v 4M -c:a mp2 -f mpegts"
  # A phone's variable frame rate: 4 s at 30 fps, 4 s at 10 fps, 4 s at 15.
  "make_clip phone-vfr.mp4 1280 720 30 -vf select='lt(n\,120)+between(n\,120\,239)*not(mod(n\,3))+gte(n\,240)*not(mod(n\,2))' -fps_mode passthrough -c:v libx264 -c:a aac"
  # A phone in low light: its 30 fps drop to 24 fps from 4 s to 8 s.
  "make_clip phone-lowlight.mp4 1280 720 30 -vf select='lt(n\,120)+between(n\,120\,239)*not(eq(mod(n\,5)\,4))+gte(n\,240)' -fps_mode passthrough -c:v libx264 -c:a aac"
  "make_clip slideshow-1fps.mp4 640 480 1 -c:v libx264 -c:a aac"
  "make_clip slideshow-5fps.mp4 640 480 5 -c:v libx264 -c:a aac"
  "make_turned portrait-90.mp4 90 -c:v libx264"
  "make_turned portrait-180.mp4 180 -c:v libx264"
  "make_turned portrait-270.mp4 270 -c:v libx264"
  "make_turned portrait-90.mov 90 -c:v libx265 -preset ultrafast -tag:v hvc1 -x265-params log-level=error"
  "make_turned portrait-180.mov 180 -c:v libx265 -preset ultrafast -tag:v hvc1 -x265-params log-level=error"
  "make_turned portrait-270.mov 270 -c:v libx265 -preset ultrafast -tag:v hvc1 -x265-params log-level=error"
  "make_clip flv-h264-aac.flv 320 240 25 -c:v libx264 -c:a aac -ar 44100"
  "make_clip dv-pal.dv 720 576 25 -target pal-dv"
  "make_clip dv-pal.avi 720 576 25 -c:v dvvideo -pix_fmt yuv420p -c:a pcm_s16le"
)

failed="$(mktemp)"
trap 'rm -f "$failed"' EXIT
for kind in "${kinds[@]}"; do
  while (($(jobs -rp | wc -l) >= 4)); do wait -n; done
  { eval "$kind" || echo "could not make: $kind" >>"$failed"; } &
done
wait
if [[ -s "$failed" ]]; then cat "$failed" >&2; exit 1; fi
