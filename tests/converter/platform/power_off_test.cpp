#include "platform/power_off.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

// The real request would power the machine off, so it is never made here.
TEST(PowerOffTest, AReplacedActionRunsInsteadOfTheRealRequest) {
  int requests = 0;
  SetPowerOffActionForTesting([&requests] { ++requests; });
  RequestPowerOff();
  RequestPowerOff();
  EXPECT_EQ(requests, 2);

  int laterRequests = 0;
  SetPowerOffActionForTesting([&laterRequests] { ++laterRequests; });
  RequestPowerOff();
  EXPECT_EQ(requests, 2);
  EXPECT_EQ(laterRequests, 1);
  SetPowerOffActionForTesting([] {});
}

}  // namespace
}  // namespace corvanta
