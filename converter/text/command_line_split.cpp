#include "text/command_line_split.h"

namespace corvanta {

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  std::size_t i = 0;
  while (i < commandLine.size()) {
    const char c = commandLine[i];
    if ((c == ' ' || c == '\t') && !quoted) {
      if (inArgument) arguments.push_back(std::move(current));
      current.clear();
      inArgument = false;
      ++i;
      continue;
    }
    inArgument = true;
    if (c == '\\') {
      std::size_t count = 0;
      while (i < commandLine.size() && commandLine[i] == '\\') {
        ++count;
        ++i;
      }
      if (i < commandLine.size() && commandLine[i] == '"') {
        current.append(count / 2, '\\');
        if (count % 2 == 1) {
          current.push_back('"');
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        current.append(count, '\\');
      }
      continue;
    }
    if (c == '"') {
      quoted = !quoted;
    } else {
      current.push_back(c);
    }
    ++i;
  }
  if (inArgument) arguments.push_back(std::move(current));
  return arguments;
}

std::string EscapeForQuotes(std::string_view argument) {
  std::string escaped;
  escaped.reserve(argument.size());
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      escaped.append(backslashes * 2 + 1, '\\');
      escaped.push_back('"');
    } else {
      escaped.append(backslashes, '\\');
      escaped.push_back(c);
    }
    backslashes = 0;
  }
  // Trailing backslashes would otherwise escape the closing quote.
  escaped.append(backslashes * 2, '\\');
  return escaped;
}

}  // namespace corvanta
