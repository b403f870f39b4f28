#include "platform/environment.h"
#include "platform/win32/wide.h"

#include <windows.h>

namespace platform {

std::uint32_t GetEnvironmentVariableW(const char16_t* name, char16_t* buffer, std::uint32_t size) {
  return ::GetEnvironmentVariableW(win32::Wide(name), win32::Wide(buffer), size);
}

}  // namespace platform
