#include "common/application.h"

#include <QApplication>

namespace corvanta::testing {
namespace {

int argc = 1;
char name[] = "corvanta_test";
char* argv[] = {name, nullptr};

}  // namespace

void EnsureApplication() {
  if (QCoreApplication::instance() == nullptr) new QApplication(argc, argv);
}

void EnsureCoreApplication() {
  if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
}

}  // namespace corvanta::testing
