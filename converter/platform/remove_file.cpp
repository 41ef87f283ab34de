#include "platform/remove_file.h"

#include <unistd.h>

namespace corvanta {

// unlink, not remove(): remove() would also take away an empty folder that
// happens to carry the output file's name.
void RemoveFile(const std::string& path) { static_cast<void>(unlink(path.c_str())); }

}  // namespace corvanta
