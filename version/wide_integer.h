#pragma once
// The one rule that turns a wide text into a number, shared by version fields
// and a product's language text.
#include <cstdint>
#include <string_view>

namespace spwrap {

// Skips leading white space, takes one optional '+' or '-', then decimal digits
// ('0' to '9' and the Unicode ten-digit runs of Arabic-Indic, Extended
// Arabic-Indic, Devanagari, Bengali, Gurmukhi, Gujarati, Oriya, Telugu, Kannada,
// Malayalam, Thai, Lao, Tibetan, Myanmar, Khmer, Mongolian and fullwidth forms)
// until the first other character. The value accumulates in 32 bits and wraps
// on overflow; '-' negates it. No digits give 0.
//
// White space: U+0009 to U+000D, U+0020, U+00A0, and above U+00FF exactly the
// characters that Windows' Unicode classification marks as space (C1_SPACE):
// U+1680, U+2000 to U+200A, U+2028, U+2029, U+202F, U+205F and U+3000. The set
// is fixed here rather than asked of the platform so that every build and
// every Windows release reads a text alike.
std::int32_t WideTextToInteger(std::u16string_view text);

}  // namespace spwrap
