// Arbitrary UTF-16 text as a version: every text gives a value, with no
// undefined behaviour on the way, and ',' always counts as '.'.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "version/version.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);

  const spwrap::VersionQuad version = spwrap::ParseVersion(text);
  std::u16string dotted = text;
  std::replace(dotted.begin(), dotted.end(), u',', u'.');
  if (!spwrap::VersionsEqual(version, spwrap::ParseVersion(dotted))) std::abort();
  return 0;
}
