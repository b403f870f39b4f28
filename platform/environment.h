#pragma once
// Process environment variables; names match without regard to ASCII case.
#include <cstdint>

namespace platform {

// Copies the value with its terminator and returns its length, or returns the
// size needed (terminator included) when it does not fit, or 0 when the
// variable is not set.
std::uint32_t GetEnvironmentVariableW(const char16_t* name, char16_t* buffer, std::uint32_t size);

}  // namespace platform
