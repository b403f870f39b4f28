#include "platform/host/version_resource.h"

#include <string_view>
#include <vector>

#include "platform/file_version.h"
#include "platform/host/pe_resources.h"

namespace platform::host {

namespace {

constexpr std::uint16_t kVersionInfoName = 1;  // VS_VERSION_INFO
// The root's key with its terminator: 32 bytes from offset 6, then two bytes of
// padding to the value at 40.
constexpr std::u16string_view kRootKey{u"VS_VERSION_INFO", 16};
constexpr std::size_t kKeyOffset = 6;
constexpr std::size_t kValueOffset = 40;

}  // namespace

std::optional<std::span<const std::byte>> FindVersionResource(std::span<const std::byte> file) {
  const auto found = FindPeResources(file, ResourceId{{}, RT_VERSION}, ResourceId{{}, kVersionInfoName});
  if (!found || found->empty()) return std::nullopt;
  std::vector<std::uint16_t> languages;
  for (const auto& resource : *found) languages.push_back(resource.language);
  return (*found)[ChooseResourceLanguage(languages)].data;
}

std::optional<std::span<const std::byte>> FixedFileInfoOf(std::span<const std::byte> block) {
  const auto length = ReadLe16(block, 0);
  const auto valueLength = ReadLe16(block, 2);
  if (!length || !valueLength || *length > block.size()) return std::nullopt;
  block = block.first(*length);
  if (*valueLength < sizeof(VS_FIXEDFILEINFO) || kValueOffset + *valueLength > block.size()) return std::nullopt;
  for (std::size_t i = 0; i < kRootKey.size(); ++i) {
    if (ReadLe16(block, kKeyOffset + 2 * i) != kRootKey[i]) return std::nullopt;
  }
  if (ReadLe32(block, kValueOffset) != VS_FFI_SIGNATURE) return std::nullopt;
  return block.subspan(kValueOffset, *valueLength);
}

}  // namespace platform::host
