#pragma once
// The version resource of a module file and the fixed file information at the
// root of its VS_VERSIONINFO block, read from bytes.
#include <cstddef>
#include <optional>
#include <span>

namespace platform::host {

// The file's version resource (type RT_VERSION, name 1) in the language a
// resource lookup would choose; nothing when the bytes are no PE file, its
// resource tree is malformed or it has no version resource.
std::optional<std::span<const std::byte>> FindVersionResource(std::span<const std::byte> file);

// The root value of a VS_VERSIONINFO block when it is fixed file information:
// the block's wLength lies within the bytes, its key is "VS_VERSION_INFO", and
// its value, 4-byte aligned at offset 40, holds at least a VS_FIXEDFILEINFO
// that starts with the signature 0xFEEF04BD and ends within wLength. Reads
// nothing beyond the root's header, key and value.
std::optional<std::span<const std::byte>> FixedFileInfoOf(std::span<const std::byte> block);

}  // namespace platform::host
