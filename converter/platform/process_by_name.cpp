#include "platform/process_by_name.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "text/text_search.h"

namespace corvanta {
namespace {

// The kernel keeps at most this many bytes of a process's name in "comm".
constexpr std::size_t kCommLength = 15;

std::string ReadFirstLine(const std::string& path) {
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  return line;
}

// The state letter that follows the parenthesised name in /proc/<pid>/stat.
char ProcessState(const std::string& procDir) {
  const std::string stat = ReadFirstLine(procDir + "/stat");
  const std::size_t close = stat.rfind(')');
  return (close == std::string::npos || close + 2 >= stat.size()) ? '?' : stat[close + 2];
}

std::string ExecutableFileName(const std::string& procDir) {
  char target[PATH_MAX];
  const ssize_t length = readlink((procDir + "/exe").c_str(), target, sizeof target);
  if (length <= 0) return {};
  std::string path(target, static_cast<std::size_t>(length));
  constexpr std::string_view kDeleted = " (deleted)";
  if (path.ends_with(kDeleted)) path.resize(path.size() - kDeleted.size());
  return FileNameOfPath(path);
}

bool HasName(const std::string& procDir, std::string_view name) {
  if (EqualsIgnoringAsciiCase(ExecutableFileName(procDir), name)) return true;
  // For a script the executable is its interpreter; the kernel names the
  // process after the script file instead, cut to kCommLength bytes. A name
  // of that length or more could be a cut-off longer name, so only shorter
  // names are trusted there.
  return name.size() < kCommLength &&
         EqualsIgnoringAsciiCase(ReadFirstLine(procDir + "/comm"), name);
}

std::vector<pid_t> ProcessIdsInOrder() {
  std::vector<pid_t> ids;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return ids;
  while (const dirent* entry = readdir(proc)) {
    const std::string_view entryName = entry->d_name;
    if (entryName.empty() || !std::all_of(entryName.begin(), entryName.end(),
                                          [](char c) { return c >= '0' && c <= '9'; })) {
      continue;
    }
    const long id = std::strtol(entry->d_name, nullptr, 10);
    if (id > 0 && id <= INT_MAX) ids.push_back(static_cast<pid_t>(id));
  }
  closedir(proc);
  std::sort(ids.begin(), ids.end());
  return ids;
}

}  // namespace

pid_t FindProcessByName(std::string_view name) {
  if (name.empty()) return 0;
  const uid_t user = geteuid();
  const pid_t self = getpid();
  for (const pid_t id : ProcessIdsInOrder()) {
    if (id == self) continue;
    const std::string procDir = "/proc/" + std::to_string(id);
    struct stat info {};
    if (stat(procDir.c_str(), &info) != 0 || info.st_uid != user) continue;
    const char state = ProcessState(procDir);
    // A process that has already ended has nothing left to end.
    if (state == 'Z' || state == 'X' || state == '?') continue;
    if (HasName(procDir, name)) return id;
  }
  return 0;
}

int EndProcessByName(std::string_view name) {
  const pid_t id = FindProcessByName(name);
  if (id <= 0) return 0;
  return kill(id, SIGKILL) == 0 ? 1 : 0;
}

}  // namespace corvanta
