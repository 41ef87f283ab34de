#pragma once

#include <string>

#include "common/event_loop.h"
#include "common/files.h"

namespace corvanta::endtoend {

using testing::FileNamesIn;
using testing::ReadWholeFile;
using testing::WhenThen;

// The folder that holds the test program, kelvane.dll and quorbel.exe.
std::string ProgramFolderPath();

// A two-second 320x240 clip with a sine audio track, made once per program
// and copied for each use.
const std::string& SourceClip();
// The most common AVI: MPEG-4 video and MP3 audio as ffmpeg writes them,
// with an empty video chunk right after the first frame.
void MakeMpeg4Mp3Avi(const std::string& path);
// A DVD copy as people have them: a program stream of full-size MPEG-2 at a
// DVD bitrate with AC3 sound, four seconds long.
void MakeDvdStyleVob(const std::string& path);
void CopyFile(const std::string& from, const std::string& to);

// How many different pictures ffmpeg decodes from a file's video; 0 when it
// cannot decode it.
int DistinctVideoFrames(const std::string& path);
}  // namespace corvanta::endtoend
