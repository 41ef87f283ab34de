#include "fake_encoder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace corvanta::testing {
namespace {

std::string LinkTarget(const std::string& path) {
  char target[PATH_MAX];
  const ssize_t length = readlink(path.c_str(), target, sizeof target);
  return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : std::string();
}

// The process id that a "hand_over" left in `path`; 0 before it is there.
pid_t WriterOf(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  char text[32] = {};
  const ssize_t length = read(fd, text, sizeof text - 1);
  close(fd);
  return length > 0 ? static_cast<pid_t>(std::atoi(text)) : 0;
}

// Whether the pipe that `writer` writes its output to holds nothing, as our
// own end of it sees it.
bool OutputReadEmpty(pid_t writer) {
  const std::string pipe = LinkTarget("/proc/" + std::to_string(writer) + "/fd/1");
  if (!pipe.starts_with("pipe:")) return false;
  bool empty = false;
  if (DIR* ours = opendir("/proc/self/fd")) {
    while (const dirent* entry = readdir(ours)) {
      if (LinkTarget(std::string("/proc/self/fd/") + entry->d_name) != pipe) continue;
      int waiting = 0;
      empty = ioctl(std::atoi(entry->d_name), FIONREAD, &waiting) == 0 && waiting == 0;
      break;
    }
    closedir(ours);
  }
  return empty;
}

}  // namespace

ReadHandOver::ReadHandOver(std::string folder)
    : folder_(std::move(folder)), watcher_([this] { Watch(); }) {}

ReadHandOver::~ReadHandOver() {
  stopping_ = true;
  watcher_.join();
}

void ReadHandOver::Watch() {
  for (int next = 1; !stopping_; std::this_thread::sleep_for(std::chrono::milliseconds(1))) {
    const std::string written = folder_ + "/written" + std::to_string(next);
    const pid_t writer = WriterOf(written);
    if (writer == 0 || !OutputReadEmpty(writer)) continue;
    const int made = open((folder_ + "/read" + std::to_string(next)).c_str(),
                          O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (made >= 0) close(made);
    unlink(written.c_str());
    ++next;
  }
}

}  // namespace corvanta::testing
