#include "engine/encoder_adaptation.h"

#include "engine/probe_file.h"
#include "text/command_line_split.h"

namespace corvanta {
namespace {

using Arguments = std::vector<std::string>;

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

// Position of `option` followed by an argument that begins with `valueStart`;
// the size of the arguments when there is none.
std::size_t FindOption(const Arguments& arguments, std::string_view option,
                       std::string_view valueStart) {
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == option && StartsWith(arguments[i + 1], valueStart)) return i;
  }
  return arguments.size();
}

// MEncoder's own AVI demuxer shows one picture for ever once it meets a video
// chunk of size 0 (ffmpeg's muxer writes one as the second chunk, capture
// tools write them for dropped frames, MEncoder itself writes one wherever
// -ofps repeats a frame): the output is a single frozen picture. FFmpeg's
// demuxer reads such files, but it hands over only decoding times, and
// without presentation times this build closes up the gaps, so the video
// comes out up to a quarter shorter than its audio. "genpts" has FFmpeg make
// the presentation times, and a larger -mc (the most A-V correction per
// frame) lets the repeats fill a gap at once; the default fills too little of
// it and the video still comes out about a tenth short. FFmpeg's
// demuxer loses frames of AVIs without empty chunks (H.264 ones), so it is
// chosen only for the files that need it.
void ChooseLavfDemuxer(Arguments& arguments) {
  if (arguments.empty()) return;
  arguments.insert(arguments.begin() + 1,
                   {"-demuxer", "lavf", "-lavfdopts", "o=fflags=+genpts", "-mc", "0.1"});
}

// FFmpeg 5.1's mp2 encoder refuses the channel layout that this MEncoder
// hands it ("Specified channel layout ... is not supported") at every rate,
// so "lavc acodec=mp2" writes no file at all. The build carries twolame,
// which writes the same MPEG-1 Layer II audio at the same bitrate.
void EncodeMp2WithTwolame(Arguments& arguments) {
  constexpr std::string_view kLavcMp2 = "acodec=mp2:abitrate=";
  const std::size_t at = FindOption(arguments, "-lavcopts", kLavcMp2);
  if (at == arguments.size() || at < 2 || arguments[at - 2] != "-oac" ||
      arguments[at - 1] != "lavc" ||
      arguments[at + 1].find(':', kLavcMp2.size()) != std::string::npos) {
    return;
  }
  const std::string bitrate = arguments[at + 1].substr(kLavcMp2.size());
  arguments[at - 1] = "twolame";
  arguments[at] = "-twolameopts";
  arguments[at + 1] = "br=" + bitrate;
}

// The MPEG-1 video encoder accepts only its standard frame rates, and this
// build turns "29.97" into 2997/100 ("MPEG-1/2 does not support 2997/100
// fps"); written as the exact fraction it is the standard NTSC rate.
void WriteMpeg1FrameRateExactly(Arguments& arguments) {
  if (FindOption(arguments, "-lavcopts", "vcodec=mpeg1video:") == arguments.size()) return;
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == "-ofps" && arguments[i + 1] == "29.97") arguments[i + 1] = "30000/1001";
  }
}

}  // namespace

std::vector<std::string> AdaptForCarriedEncoder(std::vector<std::string> arguments,
                                                const EncoderInput& input) {
  if (input.aviWithEmptyVideoChunk) ChooseLavfDemuxer(arguments);
  EncodeMp2WithTwolame(arguments);
  WriteMpeg1FrameRateExactly(arguments);
  return arguments;
}

std::vector<std::string> CarriedEncoderArguments(std::string_view commandLine) {
  std::vector<std::string> arguments = SplitCommandLine(commandLine);
  EncoderInput input;
  if (arguments.size() > 1) {
    input.aviWithEmptyVideoChunk = ProbeInputFile(arguments[1]).aviEmptyVideoChunk;
  }
  return AdaptForCarriedEncoder(std::move(arguments), input);
}

}  // namespace corvanta
