#include "platform/fatal_error.h"

namespace corvanta {
namespace {

FatalErrorPresenter installedPresenter = nullptr;

}  // namespace

void SetFatalErrorPresenter(FatalErrorPresenter show) { installedPresenter = show; }

void StopWithFatalError(const std::string& detail) {
  EndProcessWithFatalError(detail, installedPresenter);
}

}  // namespace corvanta
