#pragma once

namespace corvanta {

// Asks the system to power off. Does not wait for the outcome; a refusal or
// an unreachable system service is not reported.
void RequestPowerOff();

}  // namespace corvanta
