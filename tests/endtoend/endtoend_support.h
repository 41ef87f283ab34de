#pragma once

#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvanta {
class MainWindow;
}

namespace corvanta::endtoend {

// Installed by the test program's main before anything else runs: power-off
// requests are counted instead of sent, and the done window stays silent.
void InstallRecorders();
int PowerOffRequests();
void ResetPowerOffRequests();

// The folder that holds the test program, kelvane.dll and quorbel.exe.
std::string ProgramFolderPath();

// A two-second 320x240 clip with a sine audio track, made once per program
// and copied for each use.
const std::string& SourceClip();
// A one-minute clip, long enough for an encoder to outlive a closing program.
std::string MakeLongClip(const std::string& path);
void CopyFile(const std::string& from, const std::string& to);

// How many different pictures ffmpeg decodes from a file's video; 0 when it
// cannot decode it.
int DistinctVideoFrames(const std::string& path);
// File names in a folder (not recursive), sorted.
std::vector<std::string> FileNames(const std::string& folder);
std::string FileContents(const std::string& path);
bool Exists(const std::string& path);

// Calls `action` once, the first time `condition` holds while events are
// processed (during a run: from inside the encoder wait). Stops watching
// when destroyed.
class WhenThen {
 public:
  WhenThen(std::function<bool()> condition, std::function<void()> action);
  bool fired() const { return fired_; }

 private:
  std::unique_ptr<QTimer> timer_;
  std::function<bool()> condition_;
  std::function<void()> action_;
  bool fired_ = false;
};

}  // namespace corvanta::endtoend
