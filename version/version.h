#pragma once
// Four-part version numbers: made from texts and from file version resources,
// and compared only for equality.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace spwrap {

struct VersionQuad {
  std::uint16_t major = 0;
  std::uint16_t minor = 0;
  std::uint16_t build = 0;
  std::uint16_t revision = 0;
};

// Reads a version text such as "9.0.43.0"; ',' counts as '.'. Each of the first
// three fields takes the text before the next '.', and the revision the text
// after the third '.'; a field with no '.' after it ends the reading, so "9.1"
// gives 9.0.0.0 and "1.2.3" gives 1.2.0.0. Each piece is read by
// WideTextToInteger and keeps its low 16 bits ("70000" gives 4464, "-1" 65535).
// Every text gives a value.
VersionQuad ParseVersion(std::u16string_view text);

bool VersionsEqual(const VersionQuad& a, const VersionQuad& b);

// Writes the file version of the file at path, as "%u.%u.%u.%u" with its
// terminator (at most 24 characters), into out. False when the file has no
// readable version information with fixed file information, or when out is
// too short for the whole text; out is then left unchanged.
bool ReadFileVersion(const std::u16string& path, std::span<char16_t> out);

}  // namespace spwrap
