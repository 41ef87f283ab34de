#pragma once

namespace corvanta {

// The container a file's bytes begin like (never its name).
enum class Container {
  Unknown,
  Avi,
  MpegProgramStream,
  MpegTransportStream,
  IsoMedia,  // MP4, MOV, 3GP, F4V
  Matroska,  // and WebM
  Flv,
  Asf,  // WMV, WMA
  RealMedia,
};

}  // namespace corvanta
