#pragma once

#include <gtest/gtest.h>

#include "engine/convert_button.h"
#include "engine/run_state.h"
#include "run_fakes.h"

namespace corvanta::fakes {

// A main window with a queue under /in/, output folder /out/ and format MP4,
// the Convert button on its START face, services that record every call, and
// the window's run state, shared by every click as the window shares it.
class RunFixture : public ::testing::Test {
 protected:
  void Queue(std::initializer_list<const char*> fileNames) {
    for (const char* name : fileNames) window.AddRow("/in/", name);
  }
  void Click() { OnConvertButtonClick(window, services, state, faces.Faces()); }
  void ShowStopFace() {
    window.normalPicture = faces.stopNormal;
    window.hoverPicture = faces.stopHover;
  }
  // Runs `action` inside the n-th encoder call (from 1).
  void During(int encoderCall, std::function<void()> action) {
    services.duringEncoder[encoderCall] = std::move(action);
  }

  EventLog log;
  TestFaces faces;
  FakeRunWindow window{log, faces};
  FakeRunServices services{log};
  RunState state;
};

}  // namespace corvanta::fakes
