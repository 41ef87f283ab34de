#pragma once

#include <functional>

namespace corvanta {

// Asks the system to power off. Does not wait for the outcome; a refusal or
// an unreachable system service is not reported.
void RequestPowerOff();

// Replaces what RequestPowerOff does; an empty function restores the real
// request. For tests.
void SetPowerOffActionForTesting(std::function<void()> action);

}  // namespace corvanta
