#include "version/wide_integer.h"

namespace spwrap {

namespace {

bool IsWhiteSpace(char16_t c) {
  switch (c) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u' ':
    case u'\u00A0':
    case u'\u1680':
    case u'\u2028':
    case u'\u2029':
    case u'\u202F':
    case u'\u205F':
    case u'\u3000':
      return true;
    default:
      return c >= u'\u2000' && c <= u'\u200A';
  }
}

// The first character of each ten-digit run that counts as decimal digits.
constexpr char16_t kDigitZeros[] = {
    u'0',      u'\u0660', u'\u06F0', u'\u0966', u'\u09E6', u'\u0A66', u'\u0AE6', u'\u0B66', u'\u0C66',
    u'\u0CE6', u'\u0D66', u'\u0E50', u'\u0ED0', u'\u0F20', u'\u1040', u'\u17E0', u'\u1810', u'\uFF10',
};

// The digit's value, or -1 when c is no digit.
int DigitValue(char16_t c) {
  for (char16_t zero : kDigitZeros) {
    if (c >= zero && c < zero + 10) return c - zero;
  }
  return -1;
}

}  // namespace

std::int32_t WideTextToInteger(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  // Unsigned arithmetic wraps by definition; the result is its 32-bit pattern.
  std::uint32_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i]);
    if (digit < 0) break;
    value = value * 10 + static_cast<std::uint32_t>(digit);
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

}  // namespace spwrap
