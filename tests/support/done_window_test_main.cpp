#include <gtest/gtest.h>

#include <QApplication>

// The done window needs a running application object for its timer, its
// placement and its deferred destruction.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
