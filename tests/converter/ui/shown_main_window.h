#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "common/application.h"
#include "common/quiet_run_services.h"
#include "ui/main_window.h"

namespace corvanta {

// A fresh main window, shown and active, for tests that press and type in it.
class ShownMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApplication();
    window = std::make_unique<MainWindow>(services);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  testing::QuietRunServices services;
  std::unique_ptr<MainWindow> window;
};

}  // namespace corvanta
