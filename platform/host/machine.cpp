#include "platform/host/machine.h"

#include <cstdlib>
#include <string_view>

#include "platform/host/command_line_quoting.h"
#include "platform/host/thread_state_internal.h"
#include "platform/host/utf8.h"

namespace platform::host {

namespace {

Machine& MachineStorage() {
  static Machine machine = [] {
    Machine fresh;
    fresh.userDefaultLanguage = UserDefaultLanguageFromEnvironment();
    return fresh;
  }();
  return machine;
}

struct LocaleName {
  std::string_view name;  // language_TERRITORY as in POSIX locale names
  std::uint16_t language;
};

// The Windows LANGID of common POSIX locale names; the language alone maps to
// its main territory.
constexpr LocaleName kLocaleNames[] = {
    {"zh_TW", 0x0404}, {"cs_CZ", 0x0405}, {"cs", 0x0405},    {"de_DE", 0x0407}, {"de", 0x0407},
    {"en_US", 0x0409}, {"en", 0x0409},    {"en_GB", 0x0809}, {"es_ES", 0x0C0A}, {"es", 0x0C0A},
    {"fr_FR", 0x040C}, {"fr", 0x040C},    {"hu_HU", 0x040E}, {"hu", 0x040E},    {"it_IT", 0x0410},
    {"it", 0x0410},    {"ja_JP", 0x0411}, {"ja", 0x0411},    {"ko_KR", 0x0412}, {"ko", 0x0412},
    {"nl_NL", 0x0413}, {"nl", 0x0413},    {"pl_PL", 0x0415}, {"pl", 0x0415},    {"pt_BR", 0x0416},
    {"pt", 0x0816},    {"pt_PT", 0x0816}, {"ru_RU", 0x0419}, {"ru", 0x0419},    {"zh_CN", 0x0804},
    {"zh", 0x0804},    {"de_AT", 0x0C07}, {"de_CH", 0x0807}, {"fr_CA", 0x0C0C}, {"fr_BE", 0x080C},
};

std::uint16_t LanguageOfLocaleName(std::string_view locale) {
  locale = locale.substr(0, locale.find_first_of(".@"));
  for (std::string_view candidate : {locale, locale.substr(0, locale.find('_'))}) {
    for (const auto& entry : kLocaleNames) {
      if (entry.name == candidate) return entry.language;
    }
  }
  return 0x0409;
}

// Locales that have no POSIX name above but that products may carry.
constexpr std::uint16_t kOtherLanguages[] = {0x040A, 0x0406, 0x0408, 0x040B, 0x040D, 0x0414, 0x041D, 0x041E, 0x041F,
                                             0x0422, 0x0C04, 0x1004, 0x0401, 0x0418, 0x041A, 0x041B, 0x0424, 0x0425};

}  // namespace

Machine& CurrentMachine() { return MachineStorage(); }

void ResetMachine() {
  Machine& machine = MachineStorage();
  machine = Machine{};
  machine.userDefaultLanguage = UserDefaultLanguageFromEnvironment();
  ResetThreadState(machine.userDefaultLanguage);
}

std::uint16_t UserDefaultLanguageFromEnvironment() {
  if (const char* requested = std::getenv("SPWRAP_LANGID"); requested && *requested) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(requested, &end, 0);
    if (*end == '\0' && value > 0 && value <= 0xFFFF) return static_cast<std::uint16_t>(value);
  }
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (const char* value = std::getenv(variable); value && *value) {
      return LanguageOfLocaleName(value);
    }
  }
  return 0x0409;
}

bool IsKnownLanguage(std::uint16_t language) {
  for (const auto& entry : kLocaleNames) {
    if (entry.language == language) return true;
  }
  for (std::uint16_t other : kOtherLanguages) {
    if (other == language) return true;
  }
  return false;
}

void SetCommandLineArguments(int argc, const char* const* argv) {
  std::u16string line;
  for (int i = 0; i < argc; ++i) {
    const std::u16string element = FromUtf8(argv[i]);
    if (i > 0) line += u' ';
    line += i == 0 ? QuoteProgramPath(element) : QuoteArgument(element);
  }
  MachineStorage().commandLine = std::move(line);
}

}  // namespace platform::host
