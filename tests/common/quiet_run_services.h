#pragma once

#include "ui/done_window.h"
#include "ui/production_run_services.h"

namespace corvanta::testing {

// The program's own run services for tests of its windows and for the run
// benchmark, except that a power-off request is only counted and the done
// window opens without a beep: no test may switch the machine off. Needs the
// ui library.
class QuietRunServices : public ProductionRunServices {
 public:
  void RequestPowerOff() override { ++powerOffRequests; }
  void ShowDoneWindow() override {
    ::corvanta::ShowDoneWindow([] {});
  }

  int powerOffRequests = 0;
};

}  // namespace corvanta::testing
