#pragma once
// The resources of a Windows module file (PE32 or PE32+), read from its bytes
// as they lie on disk. A pure parser: every offset, size and count in the file
// is checked against the bytes given, so a truncated or hostile file gives no
// answer rather than a read outside them.
//
// The tree is the one Windows builds: a directory of types, for each type a
// directory of names, for each name a directory of languages whose entries
// point at the data. Anything else in its place makes the file malformed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/host/resource_module.h"

namespace platform::host {

// Little-endian reads at offset; nothing when they would pass the end.
std::optional<std::uint16_t> ReadLe16(std::span<const std::byte> bytes, std::size_t offset);
std::optional<std::uint32_t> ReadLe32(std::span<const std::byte> bytes, std::size_t offset);

// A type or name as the file holds it: a text, or a number when text is empty.
struct PeResourceName {
  std::u16string text;
  std::uint16_t number = 0;

  ResourceId id() const { return {text, number}; }
};

struct PeResource {
  PeResourceName type;  // RT_STRING 6, RT_VERSION 16, or a text such as "MSP"
  PeResourceName name;
  std::uint16_t language = 0;
  std::uint32_t codePage = 0;
  std::span<const std::byte> data;  // a part of the file's bytes
};

inline constexpr std::uint16_t RT_VERSION = 16;

// Every resource of the file, in directory order (named entries before
// numbered ones, as the file stores them). Empty when the file has no resource
// directory; nothing when the bytes are no PE file or its tree is malformed.
std::optional<std::vector<PeResource>> ListPeResources(std::span<const std::byte> file);

// The resources of one type and name, in every language or in the one given.
// Types and names compare as FindResourceW compares them: equal numbers, or
// texts equal without regard to ASCII case. Only the branches of the tree that
// match are read, so a malformed part elsewhere does not hide them.
std::optional<std::vector<PeResource>> FindPeResources(std::span<const std::byte> file, const ResourceId& type,
                                                       const ResourceId& name,
                                                       std::optional<std::uint16_t> language = std::nullopt);

}  // namespace platform::host
