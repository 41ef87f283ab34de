#pragma once

#include <sys/types.h>

#include <string_view>

namespace corvanta {

// The first live process of this user (by process id, ourselves excepted)
// whose executable's file name equals `name`, ASCII case ignored; 0 when
// there is none or `name` is empty. A script also counts under its own file
// name when that is shorter than the kernel keeps (15 bytes).
pid_t FindProcessByName(std::string_view name);

// Kills (SIGKILL) the process FindProcessByName finds: at most one per call.
// 1 when a process was signalled, else 0.
int EndProcessByName(std::string_view name);

}  // namespace corvanta
