#include <gtest/gtest.h>

#include <QApplication>

#include "endtoend_support.h"

// The recorders go in before the application exists, so no run of any test
// can reach the real power-off or the speaker.
int main(int argc, char** argv) {
  corvanta::endtoend::InstallRecorders();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
