#include "platform/host/pe_resources.h"

#include <algorithm>

namespace platform::host {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000;
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::size_t kResourceDirectoryIndex = 2;
constexpr std::size_t kSectionHeaderSize = 40;

// Shared subdirectories can make a small file name a vast tree; a walk that
// meets more entries than this gives up on the file.
constexpr std::size_t kMostEntriesVisited = std::size_t{1} << 18;

struct Section {
  std::uint32_t virtualAddress;
  std::uint32_t rawSize;
  std::uint32_t rawPointer;
};

struct Image {
  std::span<const std::byte> file;
  std::vector<Section> sections;
  std::uint32_t resourceRva = 0;
  std::uint32_t resourceSize = 0;

  // The file's bytes from an address to the end of its section's data on disk.
  std::optional<std::span<const std::byte>> At(std::uint32_t rva) const {
    for (const Section& section : sections) {
      if (rva < section.virtualAddress || rva - section.virtualAddress >= section.rawSize) continue;
      const std::uint64_t offset = std::uint64_t{section.rawPointer} + (rva - section.virtualAddress);
      const std::uint64_t end = std::min<std::uint64_t>(std::uint64_t{section.rawPointer} + section.rawSize, file.size());
      if (offset >= end) return std::nullopt;
      return file.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(end - offset));
    }
    return std::nullopt;
  }
};

std::optional<Image> ReadImage(std::span<const std::byte> file) {
  const auto dosMagic = ReadLe16(file, 0);
  const auto headerOffset = ReadLe32(file, 0x3C);
  if (dosMagic != 0x5A4D || !headerOffset) return std::nullopt;  // "MZ"
  const std::size_t pe = *headerOffset;
  if (ReadLe32(file, pe) != 0x00004550) return std::nullopt;  // "PE\0\0"

  const std::size_t coff = pe + 4;
  const auto sectionCount = ReadLe16(file, coff + 2);
  const auto optionalSize = ReadLe16(file, coff + 16);
  if (!sectionCount || !optionalSize) return std::nullopt;

  const std::size_t optional = coff + 20;
  std::size_t countOffset = 0;
  switch (ReadLe16(file, optional).value_or(0)) {
    case kPe32Magic:
      countOffset = 92;
      break;
    case kPe32PlusMagic:
      countOffset = 108;
      break;
    default:
      return std::nullopt;
  }

  Image image;
  image.file = file;
  const auto directoryCount = ReadLe32(file, optional + countOffset);
  if (!directoryCount) return std::nullopt;
  const std::size_t resourceEntry = countOffset + 4 + kResourceDirectoryIndex * 8;
  if (*directoryCount > kResourceDirectoryIndex && resourceEntry + 8 <= *optionalSize) {
    const auto rva = ReadLe32(file, optional + resourceEntry);
    const auto size = ReadLe32(file, optional + resourceEntry + 4);
    if (!rva || !size) return std::nullopt;
    image.resourceRva = *rva;
    image.resourceSize = *size;
  }

  const std::size_t table = optional + *optionalSize;
  if (table + std::size_t{*sectionCount} * kSectionHeaderSize > file.size()) return std::nullopt;
  for (std::size_t i = 0; i < *sectionCount; ++i) {
    const std::size_t header = table + i * kSectionHeaderSize;
    image.sections.push_back({*ReadLe32(file, header + 12), *ReadLe32(file, header + 16), *ReadLe32(file, header + 20)});
  }
  return image;
}

// What a walk keeps: every entry, or those of one type, name and language.
struct Filter {
  const ResourceId* type = nullptr;
  const ResourceId* name = nullptr;
  std::optional<std::uint16_t> language;

  bool Wants(int level, const PeResourceName& id) const {
    switch (level) {
      case 0:
        return type == nullptr || SameResourceId(*type, id.id());
      case 1:
        return name == nullptr || SameResourceId(*name, id.id());
      default:
        return !language || *language == id.number;
    }
  }
};

class TreeWalk {
 public:
  TreeWalk(const Image& image, std::span<const std::byte> root, const Filter& filter)
      : image_(image), root_(root), filter_(filter) {}

  // Reads the directory at offset (from the tree's root) on the given level:
  // 0 types, 1 names, 2 languages. False when any part it reads is malformed.
  bool Directory(std::uint32_t offset, int level, PeResource& path) {
    const auto namedCount = ReadLe16(root_, std::size_t{offset} + 12);
    const auto idCount = ReadLe16(root_, std::size_t{offset} + 14);
    if (!namedCount || !idCount) return false;
    const std::size_t count = std::size_t{*namedCount} + *idCount;
    visited_ += count;
    if (visited_ > kMostEntriesVisited) return false;

    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t entry = std::size_t{offset} + 16 + i * 8;
      const auto nameField = ReadLe32(root_, entry);
      const auto targetField = ReadLe32(root_, entry + 4);
      if (!nameField || !targetField) return false;

      PeResourceName id;
      if ((*nameField & kHighBit) != 0) {
        if (level == 2) return false;  // languages are numbers
        const auto text = Text(*nameField & ~kHighBit);
        if (!text) return false;
        id.text = *text;
      } else {
        id.number = static_cast<std::uint16_t>(*nameField);
      }
      if (!filter_.Wants(level, id)) continue;

      const bool isDirectory = (*targetField & kHighBit) != 0;
      if (isDirectory != (level < 2)) return false;
      const std::uint32_t target = *targetField & ~kHighBit;
      if (level == 0) path.type = std::move(id);
      if (level == 1) path.name = std::move(id);
      if (level == 2) path.language = id.number;
      if (level < 2 ? !Directory(target, level + 1, path) : !Leaf(target, path)) return false;
    }
    return true;
  }

  std::vector<PeResource> found;

 private:
  // A name's text: a 16-bit count of UTF-16 units, then the units.
  std::optional<std::u16string> Text(std::uint32_t offset) const {
    const auto length = ReadLe16(root_, offset);
    if (!length || std::size_t{offset} + 2 + std::size_t{*length} * 2 > root_.size()) return std::nullopt;
    std::u16string text(*length, u'\0');
    for (std::size_t i = 0; i < *length; ++i) text[i] = *ReadLe16(root_, std::size_t{offset} + 2 + i * 2);
    return text;
  }

  // A data entry: the data's address and size, its code page, a reserved word.
  bool Leaf(std::uint32_t offset, PeResource& path) {
    const auto rva = ReadLe32(root_, offset);
    const auto size = ReadLe32(root_, std::size_t{offset} + 4);
    const auto codePage = ReadLe32(root_, std::size_t{offset} + 8);
    if (!rva || !size || !codePage || !ReadLe32(root_, std::size_t{offset} + 12)) return false;
    const auto data = image_.At(*rva);
    if (!data || data->size() < *size) return false;
    path.codePage = *codePage;
    path.data = data->first(*size);
    found.push_back(path);
    return true;
  }

  const Image& image_;
  std::span<const std::byte> root_;
  const Filter& filter_;
  std::size_t visited_ = 0;
};

std::optional<std::vector<PeResource>> Walk(std::span<const std::byte> file, const Filter& filter) {
  const auto image = ReadImage(file);
  if (!image) return std::nullopt;
  if (image->resourceRva == 0 || image->resourceSize == 0) return std::vector<PeResource>{};
  const auto root = image->At(image->resourceRva);
  if (!root) return std::nullopt;
  TreeWalk walk(*image, *root, filter);
  PeResource path;
  if (!walk.Directory(0, 0, path)) return std::nullopt;
  return std::move(walk.found);
}

}  // namespace

std::optional<std::uint16_t> ReadLe16(std::span<const std::byte> bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 2) return std::nullopt;
  return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[offset]) |
                                    std::to_integer<unsigned>(bytes[offset + 1]) << 8);
}

std::optional<std::uint32_t> ReadLe32(std::span<const std::byte> bytes, std::size_t offset) {
  const auto low = ReadLe16(bytes, offset);
  const auto high = offset <= bytes.size() ? ReadLe16(bytes, offset + 2) : std::nullopt;
  if (!low || !high) return std::nullopt;
  return std::uint32_t{*low} | std::uint32_t{*high} << 16;
}

std::optional<std::vector<PeResource>> ListPeResources(std::span<const std::byte> file) { return Walk(file, {}); }

std::optional<std::vector<PeResource>> FindPeResources(std::span<const std::byte> file, const ResourceId& type,
                                                       const ResourceId& name, std::optional<std::uint16_t> language) {
  return Walk(file, {&type, &name, language});
}

}  // namespace platform::host
