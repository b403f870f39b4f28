#pragma once
// Message boxes. The program has no window of its own, so every box has no
// owner.
#include <cstdint>

namespace platform {

inline constexpr std::uint32_t MB_OK = 0x0;
inline constexpr std::uint32_t MB_ICONERROR = 0x10;
inline constexpr std::uint32_t MB_ICONINFORMATION = 0x40;
inline constexpr std::uint32_t MB_SETFOREGROUND = 0x10000;
inline constexpr std::uint32_t MB_TOPMOST = 0x40000;

struct WindowObject;
using WindowHandle = WindowObject*;

// Shows a modal box and returns the button that closed it (IDOK, 1), or 0 on
// failure.
int MessageBoxW(WindowHandle owner, const char16_t* text, const char16_t* caption, std::uint32_t type);

}  // namespace platform
