#include "platform/thread_state.h"

#include "platform/errors.h"

#include "platform/host/machine.h"
#include "platform/host/thread_state_internal.h"

namespace platform {

namespace {

thread_local std::uint32_t lastError = 0;
// 0 until set: a new thread starts in the user's default locale.
thread_local std::uint32_t threadLocale = 0;

}  // namespace

std::uint32_t GetLastError() { return lastError; }
void SetLastError(std::uint32_t code) { lastError = code; }

std::uint32_t GetThreadLocale() {
  return threadLocale != 0 ? threadLocale : host::CurrentMachine().userDefaultLanguage;
}

bool SetThreadLocale(std::uint32_t locale) {
  // As Windows does: the default locales and a language without its
  // sublanguage stand for a real locale.
  const std::uint16_t userDefault = host::CurrentMachine().userDefaultLanguage;
  if (locale == 0 || locale == LOCALE_USER_DEFAULT || locale == 0x0800) locale = userDefault;
  if (locale <= 0x3FF) locale |= 0x0400;
  if (locale > 0xFFFF || !host::IsKnownLanguage(static_cast<std::uint16_t>(locale))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  threadLocale = locale;
  return true;
}

namespace host {

void ResetThreadState(std::uint16_t language) {
  lastError = 0;
  threadLocale = language;
}

}  // namespace host

}  // namespace platform
