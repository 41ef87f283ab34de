#pragma once

namespace corvanta::testing {

// The one application object of a test program, made on first use and kept
// to the end (Qt allows only one per process). Widgets need the full one;
// engine tests that only need an event loop take the core one.
void EnsureApplication();
void EnsureCoreApplication();

// A base of every fixture that holds widgets as members: bases are built
// before members, so the application exists before the first widget.
class ApplicationFirst {
 protected:
  ApplicationFirst() { EnsureApplication(); }
};

}  // namespace corvanta::testing
