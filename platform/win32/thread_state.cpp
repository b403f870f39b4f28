#include "platform/thread_state.h"

#include <windows.h>

namespace platform {

std::uint32_t GetLastError() { return ::GetLastError(); }
void SetLastError(std::uint32_t code) { ::SetLastError(code); }

std::uint32_t GetThreadLocale() { return ::GetThreadLocale(); }
bool SetThreadLocale(std::uint32_t locale) { return ::SetThreadLocale(locale) != FALSE; }

}  // namespace platform
