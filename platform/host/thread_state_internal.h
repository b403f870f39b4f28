#pragma once
// Host-only access to the calling thread's simulated state.
#include <cstdint>

namespace platform::host {

// Gives the calling thread the locale of the given language and a last error of 0.
void ResetThreadState(std::uint16_t language);

}  // namespace platform::host
