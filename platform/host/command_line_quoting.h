#pragma once
// The inverse of CommandLineToArgvW, used to give the host's argv to the logic
// as one command line, as Windows would hand it over.
#include <string>
#include <string_view>

namespace platform::host {

// The program path as the first element: quoted when it holds a blank, a tab
// or is empty. A path holding a double quote cannot be written so that it
// comes back whole; its quotes are dropped.
std::u16string QuoteProgramPath(std::u16string_view path);

// A later element, quoted and escaped so that it comes back unchanged.
std::u16string QuoteArgument(std::u16string_view argument);

}  // namespace platform::host
