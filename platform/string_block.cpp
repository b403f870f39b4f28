#include "platform/string_block.h"

#include <algorithm>

namespace platform {

std::optional<std::u16string_view> StringFromBlock(std::span<const char16_t> block, std::uint32_t id) {
  std::size_t position = 0;
  for (std::uint32_t slot = 0;; ++slot) {
    if (position >= block.size()) return std::nullopt;
    const std::size_t length = block[position++];
    if (length > block.size() - position) return std::nullopt;
    if (slot == (id & 15)) return std::u16string_view(block.data() + position, length);
    position += length;
  }
}

int CopyLoadedString(std::optional<std::u16string_view> text, char16_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return 0;
  const std::size_t count = text ? std::min(text->size(), static_cast<std::size_t>(capacity - 1)) : 0;
  if (count > 0) text->copy(buffer, count);
  buffer[count] = u'\0';
  return static_cast<int>(count);
}

}  // namespace platform
