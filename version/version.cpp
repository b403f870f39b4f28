#include "version/version.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>

#include "platform/file_version.h"
#include "platform/wide_format.h"
#include "version/wide_integer.h"

namespace spwrap {

namespace {

std::uint16_t VersionField(std::u16string_view piece) {
  return static_cast<std::uint16_t>(static_cast<std::uint32_t>(WideTextToInteger(piece)) & 0xFFFF);
}

// The smallest version block that holds fixed file information: the root's
// three 16-bit header fields, its key "VS_VERSION_INFO" with terminator,
// padding to a 4-byte boundary, then the value.
constexpr std::size_t kSmallestBlock = 40 + sizeof(platform::VS_FIXEDFILEINFO);

// The longest file version text, "65535.65535.65535.65535", and its terminator.
constexpr std::size_t kVersionTextCapacity = 24;

}  // namespace

VersionQuad ParseVersion(std::u16string_view text) {
  std::u16string rest(text);
  std::replace(rest.begin(), rest.end(), u',', u'.');
  std::u16string_view remaining = rest;

  VersionQuad version;
  for (std::uint16_t* field : {&version.major, &version.minor, &version.build}) {
    const std::size_t dot = remaining.find(u'.');
    if (dot == std::u16string_view::npos) return version;
    *field = VersionField(remaining.substr(0, dot));
    remaining.remove_prefix(dot + 1);
  }
  version.revision = VersionField(remaining);
  return version;
}

bool VersionsEqual(const VersionQuad& a, const VersionQuad& b) {
  return a.major == b.major && a.minor == b.minor && a.build == b.build && a.revision == b.revision;
}

bool ReadFileVersion(const std::u16string& path, std::span<char16_t> out) {
  std::uint32_t handle = 0;
  const std::uint32_t size = platform::GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (size < kSmallestBlock) return false;
  const std::unique_ptr<std::byte[]> block(new (std::nothrow) std::byte[size]);
  if (!block) return false;
  // A failed read leaves the block undefined: nothing in it can be trusted.
  if (!platform::GetFileVersionInfoW(path.c_str(), 0, size, block.get())) return false;

  void* value = nullptr;
  std::uint32_t length = 0;
  if (!platform::VerQueryValueW(block.get(), u"\\", &value, &length)) return false;
  // Windows answers the root with whatever its header says, even a value that
  // is empty, runs past the block or is no fixed file information; only a
  // whole, signed VS_FIXEDFILEINFO inside the block is read.
  platform::VS_FIXEDFILEINFO info;
  const auto start = reinterpret_cast<std::uintptr_t>(block.get());
  const auto at = reinterpret_cast<std::uintptr_t>(value);
  if (length < sizeof(info) || at < start || at - start > size - sizeof(info)) return false;
  std::memcpy(&info, value, sizeof(info));
  if (info.dwSignature != platform::VS_FFI_SIGNATURE) return false;

  char16_t text[kVersionTextCapacity];
  const std::size_t written =
      platform::FormatWide(text, u"%u.%u.%u.%u",
                           {info.dwFileVersionMS >> 16, info.dwFileVersionMS & 0xFFFF, info.dwFileVersionLS >> 16,
                            info.dwFileVersionLS & 0xFFFF});
  if (written >= out.size()) return false;
  std::copy_n(text, written + 1, out.begin());
  return true;
}

}  // namespace spwrap
