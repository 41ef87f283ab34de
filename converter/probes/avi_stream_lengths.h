#pragma once

#include "probes/avi_layout.h"
#include "probes/stream_length.h"

namespace corvanta {

struct AviStreamLengths {
  StreamLength video;
  StreamLength audio;
  double videoFrameRate = 0;  // 0 when unknown
};

// The first video and the first audio stream as their stream headers give
// them: dwLength units of dwScale / dwRate seconds (frames for video; for
// audio blocks, or bytes when every block has one size). OpenDML writers
// differ in where they count the frames of all RIFFs (MEncoder leaves
// "dmlh" at the first RIFF's count, others the stream header), so the
// video takes the larger count.
AviStreamLengths ReadAviStreamLengths(const AviLayout& layout);

}  // namespace corvanta
