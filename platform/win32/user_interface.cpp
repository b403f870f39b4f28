#include "platform/user_interface.h"
#include "platform/win32/wide.h"

#include <windows.h>

namespace platform {

int MessageBoxW(WindowHandle owner, const char16_t* text, const char16_t* caption, std::uint32_t type) {
  return ::MessageBoxW(reinterpret_cast<HWND>(owner), win32::Wide(text), win32::Wide(caption), type);
}

}  // namespace platform
