#include "platform/user_interface.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

#include <nlohmann/json.hpp>

#include "platform/host/machine.h"
#include "platform/host/utf8.h"

namespace platform {

namespace {

const char* IconName(std::uint32_t type) {
  switch (type & 0xF0) {
    case MB_ICONERROR:
      return "error";
    case MB_ICONINFORMATION:
      return "information";
    default:
      return "no icon";
  }
}

}  // namespace

// The host's boxes never wait for a user: each is recorded on the machine,
// printed to standard error and, when SPWRAP_MESSAGE_LOG names a file,
// appended to it as one JSON object per line.
int MessageBoxW(WindowHandle /*owner*/, const char16_t* text, const char16_t* caption, std::uint32_t type) {
  host::ShownMessageBox box{caption != nullptr ? caption : u"Error", text != nullptr ? text : u"", type};
  const std::string captionUtf8 = host::ToUtf8(box.caption);
  const std::string textUtf8 = host::ToUtf8(box.text);
  std::cerr << "[" << captionUtf8 << "] (" << IconName(type) << ")\n" << textUtf8 << "\n";

  if (const char* log = std::getenv("SPWRAP_MESSAGE_LOG"); log != nullptr && *log != '\0') {
    const nlohmann::json line = {{"caption", captionUtf8}, {"text", textUtf8}, {"style", type}};
    std::ofstream(log, std::ios::app) << line.dump() << "\n";
  }
  host::CurrentMachine().messageBoxes.push_back(std::move(box));
  return 1;  // IDOK
}

}  // namespace platform
