#pragma once
// The calling thread's last-error code and locale.
#include <cstdint>

namespace platform {

inline constexpr std::uint32_t LOCALE_USER_DEFAULT = 0x0400;

std::uint32_t GetLastError();
void SetLastError(std::uint32_t code);

// The thread locale (an LCID; its low 16 bits are the language). Texts from the
// executable's string table come in its language.
std::uint32_t GetThreadLocale();
// LOCALE_USER_DEFAULT returns to the user's default locale. False, with the
// locale unchanged, for a locale the system does not know.
bool SetThreadLocale(std::uint32_t locale);

}  // namespace platform
