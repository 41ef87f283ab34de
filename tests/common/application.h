#pragma once

namespace corvanta::testing {

// The one application object of a test program, made on first use and kept
// to the end (Qt allows only one per process). Widgets need the full one;
// engine tests that only need an event loop take the core one.
void EnsureApplication();
void EnsureCoreApplication();

}  // namespace corvanta::testing
