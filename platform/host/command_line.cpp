#include "platform/command_line.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "platform/host/command_line_quoting.h"
#include "platform/host/machine.h"

namespace platform {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::vector<std::u16string> SplitCommandLine(const char16_t* line) {
  std::vector<std::u16string> elements;
  const char16_t* p = line;

  // The program path: up to the next quote when it starts with one, else up to
  // the first blank; backslashes and doubled quotes mean nothing here.
  std::u16string program;
  if (*p == u'"') {
    for (++p; *p && *p != u'"'; ++p) program += *p;
    if (*p == u'"') ++p;
  } else {
    for (; *p && !IsBlank(*p); ++p) program += *p;
  }
  elements.push_back(std::move(program));

  while (true) {
    while (IsBlank(*p)) ++p;
    if (!*p) break;
    std::u16string element;
    bool quoted = false;
    while (*p && (quoted || !IsBlank(*p))) {
      if (*p == u'\\') {
        std::size_t backslashes = 0;
        while (*p == u'\\') ++backslashes, ++p;
        if (*p == u'"') {
          element.append(backslashes / 2, u'\\');
          if (backslashes % 2 == 1) {
            element += u'"';
            ++p;
          }
        } else {
          element.append(backslashes, u'\\');
        }
      } else if (*p == u'"') {
        ++p;
        if (quoted && *p == u'"') {
          // Inside quotes a doubled quote is a literal quote and ends the quoting.
          element += u'"';
          ++p;
        }
        quoted = !quoted;
      } else {
        element += *p++;
      }
    }
    elements.push_back(std::move(element));
  }
  return elements;
}

}  // namespace

const char16_t* GetCommandLineW() { return host::CurrentMachine().commandLine.c_str(); }

char16_t** CommandLineToArgvW(const char16_t* commandLine, int* count) {
  if (count == nullptr) return nullptr;
  std::vector<std::u16string> elements;
  if (commandLine == nullptr || *commandLine == u'\0') {
    // An empty command line gives the program's own path.
    elements.push_back(host::CurrentMachine().commandLine.empty()
                           ? std::u16string(u"spwrap")
                           : SplitCommandLine(host::CurrentMachine().commandLine.c_str()).front());
  } else {
    elements = SplitCommandLine(commandLine);
  }

  // One block, as Windows allocates it: the pointer array, then the texts.
  std::size_t bytes = (elements.size() + 1) * sizeof(char16_t*);
  for (const auto& element : elements) bytes += (element.size() + 1) * sizeof(char16_t);
  auto* block = static_cast<char16_t**>(std::malloc(bytes));
  if (block == nullptr) return nullptr;
  auto* text = reinterpret_cast<char16_t*>(block + elements.size() + 1);
  for (std::size_t i = 0; i < elements.size(); ++i) {
    block[i] = text;
    std::memcpy(text, elements[i].c_str(), (elements[i].size() + 1) * sizeof(char16_t));
    text += elements[i].size() + 1;
  }
  block[elements.size()] = nullptr;
  *count = static_cast<int>(elements.size());
  return block;
}

void LocalFree(void* memory) { std::free(memory); }

namespace host {

std::u16string QuoteProgramPath(std::u16string_view path) {
  std::u16string plain;
  for (char16_t c : path) {
    if (c != u'"') plain += c;
  }
  const bool needsQuotes = plain.empty() || plain.find_first_of(u" \t") != std::u16string::npos;
  return needsQuotes ? u"\"" + plain + u"\"" : plain;
}

std::u16string QuoteArgument(std::u16string_view argument) {
  if (!argument.empty() && argument.find_first_of(u" \t\"") == std::u16string_view::npos) {
    return std::u16string(argument);
  }
  std::u16string quoted = u"\"";
  std::size_t backslashes = 0;
  for (char16_t c : argument) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote itself escaped.
    quoted.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
    backslashes = 0;
    quoted += c;
  }
  // Backslashes before the closing quote are doubled so they stay literal.
  quoted.append(backslashes * 2, u'\\');
  quoted += u'"';
  return quoted;
}

}  // namespace host

}  // namespace platform
