#include "platform/thread_state.h"

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

namespace host {

std::uint32_t ThreadLocale() {
  return threadLocale != 0 ? threadLocale : CurrentMachine().userDefaultLanguage;
}

void ResetThreadState(std::uint16_t language) {
  lastError = 0;
  threadLocale = language;
}

}  // namespace host

}  // namespace platform
