// Times the check for an empty AVI video chunk on the files named, as it runs
// before each row's encoder starts. With --cold the file's pages are dropped
// from the page cache before every probe (posix_fadvise, no privilege needed).
// Usage: avi_probe [--cold] [--rounds N] <file>...
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/avi_empty_chunk.h"

namespace {

void DropFromCache(const char* path) {
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return;
  ::fdatasync(fd);
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  ::close(fd);
}

}  // namespace

int main(int argc, char* argv[]) {
  bool cold = false;
  int rounds = 5;
  std::vector<const char*> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--cold") == 0) {
      cold = true;
    } else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
      rounds = std::max(1, std::atoi(argv[++i]));
    } else {
      files.push_back(argv[i]);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s [--cold] [--rounds N] <file>...\n", argv[0]);
    return 2;
  }
  for (const char* file : files) {
    std::vector<double> times;
    bool found = false;
    for (int round = 0; round < rounds; ++round) {
      if (cold) DropFromCache(file);
      const auto start = std::chrono::steady_clock::now();
      found = corvanta::FileHoldsEmptyAviVideoChunk(file);
      times.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: %s  median %.2f ms  max %.2f ms (%s, %d rounds)\n", file,
                found ? "empty chunk" : "none", times[times.size() / 2], times.back(),
                cold ? "cold" : "warm", rounds);
  }
  return 0;
}
