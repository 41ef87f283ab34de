#include "engine/command_line.h"

#include <array>

#include "path_separator.h"
#include "text/command_line_split.h"
#include "text/text_search.h"

namespace corvanta {
namespace {

struct AudioCodecOptions {
  std::string_view codec;
  std::string_view option;
  std::string_view closing;
};

constexpr std::array<AudioCodecOptions, 3> kAudioCodecs{{
    {"MP3", " -oac mp3lame -lameopts cbr:br=", ":mode=0 "},
    {"aac", " -oac faac -faacopts br=", ":mpeg=4:object=2 "},
    {"MP2", " -oac lavc -lavcopts acodec=mp2:abitrate=", " "},
}};

struct VideoCodecOptions {
  std::string_view codec;
  std::string_view option;
};

constexpr std::array<VideoCodecOptions, 4> kVideoCodecs{{
    {"XVID", "-ovc xvid -xvidencopts bitrate="},
    {"x264", " -ovc x264 -ffourcc H264 -x264encopts bitrate="},
    {"Divx", " -ovc lavc -ffourcc DIVX -lavcopts vcodec=mpeg4:vbitrate="},
    {"mpeg1", " -ovc lavc -lavcopts vcodec=mpeg1video:vbitrate="},
}};

}  // namespace

std::string BuildAudioOptions(std::string_view audioCodec, std::string_view sampleRate,
                              std::string_view resolution, std::string_view frameRate,
                              std::string_view audioBitrate) {
  for (const auto& codec : kAudioCodecs) {
    if (audioCodec != codec.codec) continue;
    std::string options;
    options.append(" -srate ").append(sampleRate);
    options.append(" -vf-add scale=").append(resolution);
    options.append(" -ofps ").append(frameRate);
    options.append(codec.option).append(audioBitrate).append(codec.closing);
    return options;
  }
  return {};
}

std::string BuildVideoOptions(std::string_view videoCodec, std::string_view videoBitrate) {
  for (const auto& codec : kVideoCodecs) {
    if (videoCodec != codec.codec) continue;
    std::string options(codec.option);
    options.append(videoBitrate).append(":threads=2 ");
    return options;
  }
  return {};
}

std::string ReplaceExtension(std::string_view fileName, std::string_view format) {
  const int dot = FindLastText(fileName, ".");
  std::string result;
  if (dot >= 1) result.append(fileName.substr(0, static_cast<std::size_t>(dot)));
  result.append(format);
  return result;
}

std::string BuildOutputPath(std::string_view outputFolder, std::string_view fileName,
                            std::string_view format) {
  std::string path(outputFolder);
  path.append(ReplaceExtension(fileName, format));
  return path;
}

std::string BuildCommandLine(std::string_view inputPath, std::string_view audioOptions,
                             std::string_view videoOptions, std::string_view outputPath) {
  std::string line(kEncoderFileName);
  line.append(" \"").append(EscapeForQuotes(inputPath)).append("\"");
  line.append(audioOptions).append(videoOptions);
  line.append("-o \"").append(EscapeForQuotes(outputPath)).append("\"");
  return line;
}

std::string EncoderPath(std::string_view programFolder) {
  std::string path(programFolder);
  path.append(kPathSeparatorText).append(kEncoderFileName);
  return path;
}

}  // namespace corvanta
