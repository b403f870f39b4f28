#include "version/wide_integer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/support/fresh_process.h"

namespace spwrap {
namespace {

using testing::Narrow;

struct ConversionCase {
  std::u16string text;
  std::int32_t value;
};

const ConversionCase kConversionCases[] = {
    {u"", 0},
    {u"1033", 1033},
    {u"abc", 0},
    {u"12abc34", 12},
    {u"007", 7},
    // One sign, directly before the digits.
    {u"-5", -5},
    {u"+5", 5},
    {u"--5", 0},
    {u"+-5", 0},
    {u"- 5", 0},
    {u"-", 0},
    // Leading white space only.
    {u" \t\n\v\f\r7", 7},
    {u"\u00A07", 7},
    {u"7 8", 7},
    {u"x 7", 0},
    // Not white space for the conversion, though Unicode or the platform may
    // call some of them blank: NEL, zero-width space, the byte order mark, the
    // Mongolian vowel separator.
    {u"\u00857", 0},
    {u"\u200B7", 0},
    {u"\uFEFF7", 0},
    {u"\u180E7", 0},
    {u"\u001C7", 0},
    // Above U+00FF: what Windows classifies as space.
    {u"\u16807", 7},
    {u"\u20007", 7},
    {u"\u200A7", 7},
    {u"\u20287", 7},
    {u"\u20297", 7},
    {u"\u202F7", 7},
    {u"\u205F7", 7},
    {u"\u30007", 7},
    {u"\u3000\u2003 -\uFF13", -3},
    // Accumulation wraps in 32 bits, before the sign is applied.
    {u"2147483647", 2147483647},
    {u"2147483648", INT32_MIN},
    {u"-2147483648", INT32_MIN},
    {u"4294967295", -1},
    {u"4294967296", 0},
    {u"4294967297", 1},
    {u"-4294967295", 1},
    {u"99999999999", 1215752191},
    // Digits of other scripts, mixed freely with ASCII ones.
    {u"\u0661\u0669", 19},
    {u"1\u06F02", 102},
    {u"\uFF19\uFF10", 90},
    {u"\uFF1A", 0},
    {u"\u066A", 0},
    {u"\u07C1", 0},  // an NKo digit: a digit to Unicode, not to this rule
};

TEST(WideTextToIntegerTest, ConvertsByTheRule) {
  for (const auto& row : kConversionCases) {
    EXPECT_EQ(WideTextToInteger(row.text), row.value) << Narrow(row.text);
  }
}

TEST(WideTextToIntegerTest, EveryDigitRunCountsZeroToNine) {
  const char16_t zeros[] = {u'0',      u'\u0660', u'\u06F0', u'\u0966', u'\u09E6', u'\u0A66',
                            u'\u0AE6', u'\u0B66', u'\u0C66', u'\u0CE6', u'\u0D66', u'\u0E50',
                            u'\u0ED0', u'\u0F20', u'\u1040', u'\u17E0', u'\u1810', u'\uFF10'};
  for (char16_t zero : zeros) {
    std::u16string digits;
    for (int i = 1; i <= 10; ++i) digits += static_cast<char16_t>(zero + i % 10);
    EXPECT_EQ(WideTextToInteger(digits), 1234567890) << std::hex << int(zero);
    // The characters on either side of the run end the number.
    EXPECT_EQ(WideTextToInteger(std::u16string{u'4', static_cast<char16_t>(zero - 1)}), 4) << std::hex << int(zero);
    EXPECT_EQ(WideTextToInteger(std::u16string{u'4', static_cast<char16_t>(zero + 10)}), 4) << std::hex << int(zero);
  }
}

}  // namespace
}  // namespace spwrap
