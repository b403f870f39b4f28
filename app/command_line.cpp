#include "app/command_line.h"

#include <new>
#include <vector>

#include "platform/command_line.h"

namespace spwrap {

namespace {

// Options compare whole, ignoring case for A to Z only: no other folding, no locale.
bool IsOption(std::u16string_view element, char16_t letter) {
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
  return element.size() == 2 && element[0] == u'/' && lower(element[1]) == letter;
}

}  // namespace

void ScanCommandLine(std::span<const std::u16string_view> elements, RunOptions& options) {
  options.quiet = false;
  options.extractRequested = false;
  options.extractPath.clear();
  options.patchListRequested = false;
  options.patchListPath.clear();
  options.installMode = true;

  // Running out of storage while a path is copied ends the scan at that
  // element; what was set until then stays.
  try {
    std::size_t index = 1;
    while (index < elements.size()) {
      const std::u16string_view element = elements[index];
      const bool hasNext = index + 1 < elements.size();
      if (IsOption(element, u'q')) {
        options.quiet = true;
      } else if (IsOption(element, u'e')) {
        options.extractRequested = true;
        options.installMode = false;
        if (hasNext) options.extractPath = elements[++index];
      } else if (IsOption(element, u'p')) {
        options.patchListRequested = true;
        options.installMode = false;
        if (hasNext) options.patchListPath = elements[++index];
      } else if (IsOption(element, u'i')) {
        options.targetListRequested = true;
        options.installMode = false;
        break;  // nothing after "/i" is read
      }
      ++index;
    }
  } catch (const std::bad_alloc&) {
  }
}

void ParseCommandLine() {
  int count = 0;
  char16_t** elements = platform::CommandLineToArgvW(platform::GetCommandLineW(), &count);
  std::vector<std::u16string_view> views;
  try {
    views.assign(elements, elements + (elements != nullptr ? count : 0));
  } catch (const std::bad_alloc&) {
    views.clear();
  }
  ScanCommandLine(views, runOptions);
  platform::LocalFree(elements);
}

}  // namespace spwrap
