#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The encoder's own file name, written into the program folder and named as
// the first word of every command line.
inline constexpr const char* kEncoderFileName = "quorbel.exe";

// The sample rate, scaling and frame rate ride along with the audio options,
// so an unknown audio codec drops them too (empty result).
std::string BuildAudioOptions(std::string_view audioCodec, std::string_view sampleRate,
                              std::string_view resolution, std::string_view frameRate,
                              std::string_view audioBitrate);

// Empty for an unknown video codec.
std::string BuildVideoOptions(std::string_view videoCodec, std::string_view videoBitrate);

// Keeps the name up to and including its last "." and appends the format;
// a name without "." becomes the format text alone.
std::string ReplaceExtension(std::string_view fileName, std::string_view format);

// The output folder (ending in "/") directly followed by the new file name.
std::string BuildOutputPath(std::string_view outputFolder, std::string_view fileName,
                            std::string_view format);

// quorbel.exe "<input>"<audio><video>-o "<output>". A path holding a double
// quote or ending in a backslash is escaped so that it cannot add options of
// its own; every other path stands between the quotes unchanged.
std::string BuildCommandLine(std::string_view inputPath, std::string_view audioOptions,
                             std::string_view videoOptions, std::string_view outputPath);

// The program folder followed by "/quorbel.exe".
std::string EncoderPath(std::string_view programFolder);

}  // namespace corvanta
