#include "platform/wide_format.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fresh_process.h"

namespace platform {
namespace {

using spwrap::testing::Narrow;

TEST(FormatWideTest, FollowsTheRulesOfWsprintfW) {
  struct Row {
    std::u16string format;
    std::u16string expected;
    std::initializer_list<FormatArgument> arguments;
  };
  const Row rows[] = {
      {u"Error Code: %d", u"Error Code: 1603", {std::uint32_t{1603}}},
      // %d reads a signed 32-bit value, so HRESULT-like codes come out negative.
      {u"%d", u"-2147024891", {std::uint32_t{2147942405u}}},
      {u"%d", u"-2147483648", {std::uint32_t{0x80000000u}}},
      {u"%d", u"-1", {std::int32_t{-1}}},
      {u"%u", u"4294967295", {std::uint32_t{0xFFFFFFFFu}}},
      {u"%u.%u.%u.%u", u"65535.65535.65535.65535", {65535u, 65535u, 65535u, 65535u}},
      {u"PATCH=\"%s\"", u"PATCH=\"C:\\Temp\\MSP12\"", {u"C:\\Temp\\MSP12"}},
      // A per-cent sign before a character that is no conversion writes that character.
      {u"Veld-%s%:%s", u"Veld-5F6:7B8", {u"5F6", u"7B8"}},
      {u"100%%", u"100%", {}},
      {u"%x%", u"x", {}},
      // Conversions without arguments write nothing or 0; no argument is read twice.
      {u"[%s][%d]", u"[][0]", {}},
      {u"%s and %s", u"a and ", {u"a"}},
      {u"no conversion", u"no conversion", {u"unused"}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FormatWideText(256, row.format, row.arguments), row.expected) << Narrow(row.format);
  }
}

TEST(FormatWideTest, NeverWritesPastItsBuffer) {
  char16_t buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  EXPECT_EQ(FormatWide(std::span(buffer, 6), u"abc%sdef", {u"XYZ"}), 5u);
  EXPECT_EQ(std::u16string(buffer), u"abcXY");
  EXPECT_EQ(buffer[6], u'#');
  EXPECT_EQ(FormatWide(std::span(buffer, 1), u"abc", {}), 0u);
  EXPECT_EQ(buffer[0], u'\0');
  EXPECT_EQ(FormatWide(std::span<char16_t>(), u"abc", {}), 0u);
  EXPECT_EQ(FormatWideText(4, u"%d", {std::int32_t{-123456}}), u"-12");
}

}  // namespace
}  // namespace platform
