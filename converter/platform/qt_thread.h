#pragma once

namespace corvanta {

// True on the thread of a running Qt application, where window events are
// handled; false without an application or on any other thread.
bool OnQtApplicationThread();

}  // namespace corvanta
