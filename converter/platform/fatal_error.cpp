#include "platform/fatal_error.h"

#include "fatal_box.h"
#include "text/messages.h"

namespace corvanta {

void StopWithFatalError(const std::string& detail) {
  const MessageText message = FatalError(detail);
  ShowFatalBoxAndExit(message.caption, message.text);
}

}  // namespace corvanta
