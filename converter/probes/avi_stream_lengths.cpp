#include "probes/avi_stream_lengths.h"

#include <algorithm>
#include <string_view>

namespace corvanta {
namespace {

const AviStreamHeader* FirstOfType(const AviLayout& layout, std::string_view type) {
  for (const AviStreamHeader& stream : layout.streams) {
    if (stream.type == type) return &stream;
  }
  return nullptr;
}

StreamLength LengthOf(const AviStreamHeader& stream, std::uint32_t units) {
  StreamLength length;
  length.present = true;
  if (stream.rate > 0 && stream.scale > 0) {
    length.seconds = static_cast<double>(units) * stream.scale / stream.rate;
  }
  return length;
}

}  // namespace

AviStreamLengths ReadAviStreamLengths(const AviLayout& layout) {
  AviStreamLengths lengths;
  const AviStreamHeader* video = FirstOfType(layout, "vids");
  const AviStreamHeader* audio = FirstOfType(layout, "auds");
  if (video != nullptr) {
    lengths.video = LengthOf(*video, std::max(video->length, layout.openDmlFrames.value_or(0)));
    if (video->rate > 0 && video->scale > 0) {
      lengths.videoFrameRate = static_cast<double>(video->rate) / video->scale;
    }
  }
  if (audio != nullptr) lengths.audio = LengthOf(*audio, audio->length);
  return lengths;
}

}  // namespace corvanta
