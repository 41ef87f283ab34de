# Sourced by the benchmark scripts that convert a plain clip.
#   test_clip PATH SIZE SECONDS RATE   writes ffmpeg's moving test picture
#                                      with a 440 Hz tone, MPEG-4 and AAC
test_clip() {
  ffmpeg -loglevel error -f lavfi -i "testsrc=duration=$3:size=$2:rate=$4" \
    -f lavfi -i "sine=frequency=440:duration=$3" -c:v mpeg4 -q:v 5 -c:a aac -shortest "$1"
}
