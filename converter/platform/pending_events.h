#pragma once

namespace corvanta {

// Handles the window events already waiting for this thread, then returns
// without waiting for more. Does nothing outside a Qt application's thread.
void ProcessPendingEvents();

}  // namespace corvanta
