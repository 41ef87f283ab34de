#include "platform/same_file.h"

#include <sys/stat.h>

namespace corvanta {

bool SameFile(const std::string& first, const std::string& second) {
  if (first == second) return true;
  // stat follows links, so a link and its target compare equal.
  struct stat a {};
  struct stat b {};
  if (stat(first.c_str(), &a) != 0 || stat(second.c_str(), &b) != 0) return false;
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace corvanta
