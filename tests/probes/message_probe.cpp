// Shows one numbered message the way the program does, for tests that watch
// real message boxes:
//
//   message_probe LANGUAGE ID LAST_ERROR [PRODUCT_NAME]
//
// LANGUAGE becomes the thread locale, LAST_ERROR the thread's last-error code
// and PRODUCT_NAME the product named in the message. All numbers are decimal.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/run_state.h"
#include "app/win_main.h"
#include "messages/report.h"
#include "platform/command_line.h"
#include "platform/thread_state.h"

namespace spwrap {

namespace {

std::optional<std::uint32_t> Decimal(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9' || value > 0xFFFFFFFFu) return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  return value <= 0xFFFFFFFFu ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(value)) : std::nullopt;
}

}  // namespace

int WinMain(platform::ModuleHandle instance, platform::ModuleHandle, const char*, int) {
  moduleHandle = instance;
  int count = 0;
  char16_t** elements = platform::CommandLineToArgvW(platform::GetCommandLineW(), &count);
  const std::vector<std::u16string> arguments(elements, elements + (elements != nullptr ? count : 0));
  platform::LocalFree(elements);
  if (arguments.size() < 4) return 2;
  const auto language = Decimal(arguments[1]);
  const auto id = Decimal(arguments[2]);
  const auto lastError = Decimal(arguments[3]);
  if (!language || !id || !lastError) return 2;
  if (arguments.size() > 4) currentProductName = arguments[4];

  if (!platform::SetThreadLocale(*language)) return 3;
  platform::SetLastError(*lastError);
  ReportMessage(*id);
  return 0;
}

}  // namespace spwrap
