#pragma once
// The calling thread's last-error code.
#include <cstdint>

namespace platform {

std::uint32_t GetLastError();
void SetLastError(std::uint32_t code);

}  // namespace platform
