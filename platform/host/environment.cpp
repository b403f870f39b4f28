#include "platform/environment.h"

#include <cstring>
#include <string>

#include "platform/errors.h"
#include "platform/host/utf8.h"
#include "platform/thread_state.h"

extern char** environ;

namespace platform {

namespace {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace

std::uint32_t GetEnvironmentVariableW(const char16_t* name, char16_t* buffer, std::uint32_t size) {
  const std::string wanted = host::ToUtf8(name);
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const char* equals = std::strchr(*entry, '=');
    if (equals == nullptr || !EqualIgnoringAsciiCase(std::string_view(*entry, equals - *entry), wanted)) {
      continue;
    }
    const std::u16string value = host::FromUtf8(equals + 1);
    if (value.size() >= size) return static_cast<std::uint32_t>(value.size() + 1);
    value.copy(buffer, value.size());
    buffer[value.size()] = u'\0';
    return static_cast<std::uint32_t>(value.size());
  }
  SetLastError(ERROR_ENVVAR_NOT_FOUND);
  return 0;
}

}  // namespace platform
