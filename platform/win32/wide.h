#pragma once
// char16_t and wchar_t are both UTF-16 code units on Windows; the logic's texts
// pass to the API unchanged.
#include <cwchar>

static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace platform::win32 {

inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* Wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }

}  // namespace platform::win32
