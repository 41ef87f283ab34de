#include "engine/encoder_adaptation.h"

#include <charconv>
#include <string_view>

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

// Options placed right after the input file, ahead of the command line's own.
void InsertAfterInput(Arguments& arguments, std::initializer_list<std::string> options) {
  if (arguments.size() < 2) return;
  arguments.insert(arguments.begin() + 2, options);
}

bool NeedsFfmpegDemuxer(const InputFacts& input) {
  switch (input.container) {
    case Container::Avi:
      return input.aviEmptyVideoChunk;
    case Container::MpegProgramStream:
      return true;
    case Container::MpegTransportStream:
      return input.avcVideo;
    case Container::IsoMedia:
      return input.variableFrameRate;
    default:
      return false;
  }
}

// Where this build's own demuxers turn out a file that does not hold its
// input, FFmpeg's demuxer reads it instead:
// - AVI: the own demuxer shows one picture for ever once it meets a video
//   chunk of size 0 (ffmpeg's muxer writes one as the second chunk, capture
//   tools write them for dropped frames, MEncoder itself wherever -ofps
//   repeats a frame). FFmpeg's demuxer loses frames of AVIs without empty
//   chunks (H.264 ones), so only the AVIs that need it are read by it.
// - MPEG program streams: the own demuxer loses AC3 sound after a fraction of
//   a second in full-size DVD-rate streams (and finds none at all in MPEG-1
//   system streams), and the video comes out a tenth short.
// - Transport streams of H.264 or HEVC: the own demuxer takes a 25 fps
//   stream for 50 fps and skips a third of its pictures. Its MPEG-2 ones it
//   reads right, and their MPEG audio is read with clicks through FFmpeg's
//   demuxer, so those stay with it.
// - MP4 and MOV of variable frame rate: without presentation times the video
//   comes out far shorter than its sound.
// FFmpeg's demuxer hands over decoding times only; "genpts" has it make the
// presentation times, without which this build closes up every gap, and a
// larger -mc (the most A-V correction per frame) lets repeated pictures fill
// a gap at once.
void ChooseFfmpegDemuxer(Arguments& arguments) {
  if (arguments.empty()) return;
  arguments.insert(arguments.begin() + 1,
                   {"-demuxer", "lavf", "-lavfdopts", "o=fflags=+genpts", "-mc", "0.1"});
}

// Not printf: the program runs under the user's locale, whose decimal
// comma the encoder would not read.
std::string Decimal(double value, int places) {
  char text[32];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, places);
  return std::string(text, written.ptr);
}

// This build spaces the pictures of a variable-rate video by the one rate
// its header gives (a phone's 30 fps) and pulls them toward the sound by a
// small share of the gap per picture, so wherever the rate drops the
// picture runs ahead of the sound: 0.6 s in ten frames a second, 0.16 s in
// a phone's low-light 24. Spacing them by the average rate halves the
// largest gap (0.4 s and 0.13 s); it cannot close it.
void SpaceVariableRateByItsAverage(Arguments& arguments, double averageRate) {
  if (averageRate <= 0) return;
  InsertAfterInput(arguments, {"-fps", Decimal(averageRate, 3)});
}

// None of this build's demuxers applies the display matrix of an MP4 or MOV
// track, so a portrait phone video comes out lying on its side. The turn
// goes first in the filter chain, so that the scaling the command line asks
// for works on the upright picture (and the output's aspect says portrait).
void TurnUpright(Arguments& arguments, int rotationDegrees) {
  std::string filter;
  switch (rotationDegrees) {
    case 90:
      filter = "rotate=1";
      break;
    case 180:
      filter = "flip,mirror";
      break;
    case 270:
      filter = "rotate=2";
      break;
    default:
      return;
  }
  InsertAfterInput(arguments, {"-vf-pre", filter});
}

// -ofps repeats a picture by writing an empty video chunk, and the encoder
// never sees the repeat. Players built on FFmpeg show nothing for such
// chunks at the start of a file (a slideshow's first seconds stay blank),
// and an encoder that holds pictures back (x264) gets its pictures placed
// after the wrong repeats, so the picture lags the sound by up to 0.4 s and
// jumps back near the end. "harddup" hands every repeat to the encoder as a
// picture of its own; after it the timing no longer depends on the codec or
// the frame rate. It goes last in the chain, after the scaling.
void EncodeRepeatsAsPictures(Arguments& arguments) {
  if (FindOption(arguments, "-ofps", "") == arguments.size()) return;
  const std::size_t scale = FindOption(arguments, "-vf-add", "scale=");
  const auto at = scale == arguments.size() ? arguments.end() : arguments.begin() + scale + 2;
  arguments.insert(at, {"-vf-add", "harddup"});
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

// How late this build's output plays its sound against its picture, in
// seconds, by the sound's encoder and bitrate; 0 where it was not measured.
double MeasuredSoundLag(const Arguments& arguments) {
  if (FindOption(arguments, "-oac", "twolame") != arguments.size()) return 0.08;
  constexpr std::string_view kLameCbr = "cbr:br=";
  const std::size_t lame = FindOption(arguments, "-lameopts", kLameCbr);
  if (lame == arguments.size()) return 0;
  const std::string_view bitrate = std::string_view(arguments[lame + 1]).substr(kLameCbr.size());
  if (StartsWith(bitrate, "32:")) return 0.21;
  if (StartsWith(bitrate, "64:")) return 0.16;
  return 0.13;
}

// The sound of this build's output plays late against its picture: the
// encoder's own delay is not in the AVI header, and its A-V sync counts the
// sound by the bytes the encoder has handed over, which an MP3 encoder keeps
// back in its bit reservoir (the more, the lower the bitrate), so the
// picture settles about a tenth of a second early. Its picture in turn
// comes late by the time a stream holds its first picture back for those
// shown before it (B-frames), since this build times each picture by when
// it was decoded: 0.08 s for H.264 at 25 fps, but 0.4 s for a slideshow at
// 5 fps. Both go into the header's delay field, which players honour.
void HoldSoundToPicture(Arguments& arguments, double pictureDelaySeconds) {
  const double delay = pictureDelaySeconds - MeasuredSoundLag(arguments);
  if (delay > -0.005 && delay < 0.005) return;
  InsertAfterInput(arguments, {"-audio-delay", Decimal(delay, 2)});
}

}  // namespace

std::vector<std::string> AdaptForCarriedEncoder(std::vector<std::string> arguments,
                                                const InputFacts& input) {
  EncodeMp2WithTwolame(arguments);
  WriteMpeg1FrameRateExactly(arguments);
  EncodeRepeatsAsPictures(arguments);
  HoldSoundToPicture(arguments, input.pictureDelaySeconds);
  TurnUpright(arguments, input.rotationDegrees);
  if (input.container == Container::IsoMedia && input.variableFrameRate) {
    SpaceVariableRateByItsAverage(arguments, input.videoFrameRate);
  }
  if (NeedsFfmpegDemuxer(input)) ChooseFfmpegDemuxer(arguments);
  return arguments;
}

}  // namespace corvanta
