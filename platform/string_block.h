#pragma once
// A string-table block as resource sections carry it: 16 slots, each a 16-bit
// count followed by that many UTF-16 units, no terminators. Block n holds the
// ids 16(n-1) to 16(n-1)+15.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace platform {

// The resource type of string-table blocks (RT_STRING).
inline constexpr std::uint16_t kStringTableType = 6;

constexpr std::uint32_t StringBlockOf(std::uint32_t id) { return (id >> 4) + 1; }

// The text in id's slot of block (empty for an empty slot), or nothing when
// the block is cut short before the slot ends.
std::optional<std::u16string_view> StringFromBlock(std::span<const char16_t> block, std::uint32_t id);

// What LoadStringW makes of a text: copied into buffer cut to capacity - 1
// characters and terminated; returns the characters copied, 0 for no text.
int CopyLoadedString(std::optional<std::u16string_view> text, char16_t* buffer, int capacity);

}  // namespace platform
