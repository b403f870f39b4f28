#pragma once
// File version resources: the version information that a module file carries.
#include <cstdint>

namespace platform {

// The fixed part of a file's version information, as the root of the version
// block holds it.
struct VS_FIXEDFILEINFO {
  std::uint32_t dwSignature;
  std::uint32_t dwStrucVersion;
  std::uint32_t dwFileVersionMS;
  std::uint32_t dwFileVersionLS;
  std::uint32_t dwProductVersionMS;
  std::uint32_t dwProductVersionLS;
  std::uint32_t dwFileFlagsMask;
  std::uint32_t dwFileFlags;
  std::uint32_t dwFileOS;
  std::uint32_t dwFileType;
  std::uint32_t dwFileSubtype;
  std::uint32_t dwFileDateMS;
  std::uint32_t dwFileDateLS;
};
static_assert(sizeof(VS_FIXEDFILEINFO) == 52);

inline constexpr std::uint32_t VS_FFI_SIGNATURE = 0xFEEF04BD;

// Size in bytes of the block that GetFileVersionInfoW needs for the file's
// version information; 0 when the file has none or cannot be read. *handle is
// set to 0.
std::uint32_t GetFileVersionInfoSizeW(const char16_t* path, std::uint32_t* handle);

// Copies the file's version information into block, at most size bytes.
bool GetFileVersionInfoW(const char16_t* path, std::uint32_t handle, std::uint32_t size, void* block);

// Points *buffer at a value inside a block that GetFileVersionInfoW filled and
// sets *length to its size. subBlock "\" names the root, whose value is the
// VS_FIXEDFILEINFO. False when the block has no such value.
bool VerQueryValueW(const void* block, const char16_t* subBlock, void** buffer, std::uint32_t* length);

}  // namespace platform
