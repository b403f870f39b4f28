#pragma once
// The simulated Windows machine of the host build: one per process. Files,
// folders, the environment and the current directory are the real Linux ones;
// what Linux lacks is kept here.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform::host {

// A message box as the user saw it.
struct ShownMessageBox {
  std::u16string caption;
  std::u16string text;
  std::uint32_t style = 0;
};

struct Machine {
  // What GetCommandLineW answers.
  std::u16string commandLine;
  // LANGID of the user's default locale.
  std::uint16_t userDefaultLanguage = 0x0409;
  // Every message box shown, in order.
  std::vector<ShownMessageBox> messageBoxes;
};

Machine& CurrentMachine();

// Replaces the machine by a fresh one read from the environment, and gives the
// calling thread the new user default as its locale and a last error of 0.
void ResetMachine();

// The user default language that the environment asks for: SPWRAP_LANGID (a
// decimal or 0x-prefixed LANGID), else the first of LC_ALL, LC_MESSAGES and
// LANG that is set (fr_FR.UTF-8 gives 1036), else 1033.
std::uint16_t UserDefaultLanguageFromEnvironment();

// Whether the system knows the language as a locale's (SetThreadLocale
// refuses others).
bool IsKnownLanguage(std::uint16_t language);

// Records argv as the command line, quoted so that CommandLineToArgvW gives
// back exactly these elements.
void SetCommandLineArguments(int argc, const char* const* argv);

}  // namespace platform::host
