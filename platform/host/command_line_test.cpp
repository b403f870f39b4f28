#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/command_line_quoting.h"
#include "tests/support/fresh_process.h"

namespace platform {
namespace {

using spwrap::testing::Narrow;

std::vector<std::u16string> Split(const std::u16string& line) {
  int count = -1;
  char16_t** elements = CommandLineToArgvW(line.c_str(), &count);
  std::vector<std::u16string> result(elements, elements + count);
  LocalFree(elements);
  return result;
}

struct SplitCase {
  std::u16string line;
  std::vector<std::u16string> elements;
};

// The Windows splitting rules, as Windows and Wine apply them.
const SplitCase kSplitCases[] = {
    {u"p a b", {u"p", u"a", u"b"}},
    {u"p  \t a\t\tb  ", {u"p", u"a", u"b"}},
    {u"p \"a b\" c", {u"p", u"a b", u"c"}},
    {u"p \"\" \"\"", {u"p", u"", u""}},
    {u"p \"", {u"p", u""}},
    {u"p a\\b\\\\c", {u"p", u"a\\b\\\\c"}},
    {u"p a\\\"b", {u"p", u"a\"b"}},
    {u"p a\\\\\"b c\"", {u"p", u"a\\b c"}},
    {u"p a\\\\\\\"b", {u"p", u"a\\\"b"}},
    // Inside quotes a doubled quote is a literal quote and ends the quoting.
    {u"p \"a\"\"b c", {u"p", u"a\"b", u"c"}},
    {u"p a\"b c\"d", {u"p", u"ab cd"}},
    // The program path: up to the next quote when quoted, else the first blank;
    // backslashes and quotes inside it are kept as they are.
    {u"\"C:\\Program Files\\p.exe\" /q", {u"C:\\Program Files\\p.exe", u"/q"}},
    {u"\"C:\\a b\"c d", {u"C:\\a b", u"c", u"d"}},
    {u"C:\\x\\\"p.exe /q", {u"C:\\x\\\"p.exe", u"/q"}},
    {u" /q", {u"", u"/q"}},
};

TEST(CommandLineToArgvWTest, SplitsByTheWindowsRules) {
  for (const auto& row : kSplitCases) {
    EXPECT_EQ(Split(row.line), row.elements) << Narrow(row.line);
  }
}

TEST(CommandLineToArgvWTest, QuotedArgumentsComeBackUnchanged) {
  const std::u16string arguments[] = {u"",        u"plain",     u"two words", u"tab\there",     u"quote\"inside",
                                      u"trail\\", u"trail \\",  u"\\\\\"",    u"C:\\a b\\",     u"\"",
                                      u"\\",      u"a\\\\b c\"", u"/e",       u"\u00e9t\u00e9 \u65e5"};
  for (const auto& argument : arguments) {
    const std::u16string line = host::QuoteProgramPath(u"/usr/bin/spwrap") + u" " + host::QuoteArgument(argument);
    EXPECT_EQ(Split(line), (std::vector<std::u16string>{u"/usr/bin/spwrap", argument})) << Narrow(line);
  }
}

TEST(CommandLineToArgvWTest, ProgramPathWithABlankIsQuoted) {
  const std::u16string line = host::QuoteProgramPath(u"/opt/my tools/spwrap") + u" /q";
  EXPECT_EQ(Split(line), (std::vector<std::u16string>{u"/opt/my tools/spwrap", u"/q"}));
}

}  // namespace
}  // namespace platform
