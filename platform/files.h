#pragma once
// Files and folders. Paths are wide texts; the host build accepts both '\' and
// '/' as separators.
#include <cstdint>

#include "platform/types.h"

namespace platform {

inline constexpr std::uint32_t GENERIC_READ = 0x80000000;
inline constexpr std::uint32_t GENERIC_WRITE = 0x40000000;
inline constexpr std::uint32_t FILE_SHARE_READ = 0x1;
inline constexpr std::uint32_t FILE_SHARE_WRITE = 0x2;
inline constexpr std::uint32_t CREATE_NEW = 1;
inline constexpr std::uint32_t CREATE_ALWAYS = 2;
inline constexpr std::uint32_t OPEN_EXISTING = 3;
inline constexpr std::uint32_t OPEN_ALWAYS = 4;
inline constexpr std::uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr std::uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;
inline constexpr std::uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
inline const FileHandle INVALID_HANDLE_VALUE = reinterpret_cast<FileHandle>(~std::uintptr_t{0});

// The temporary folder with one trailing separator. Returns its length, or the
// size needed (terminator included) when bufferLength is too small, or 0.
std::uint32_t GetTempPathW(std::uint32_t bufferLength, char16_t* buffer);

// INVALID_FILE_ATTRIBUTES with the reason as last error when the path does not
// exist or cannot be examined (ERROR_ACCESS_DENIED when access is refused).
std::uint32_t GetFileAttributesW(const char16_t* path);

// Opens or creates a file; no security attributes, no template file.
// INVALID_HANDLE_VALUE with the reason as last error on failure.
FileHandle CreateFileW(const char16_t* path, std::uint32_t desiredAccess, std::uint32_t shareMode,
                       std::uint32_t creationDisposition, std::uint32_t flagsAndAttributes);

// Writes all bytes or fails; *written is the count that reached the file.
bool WriteFile(FileHandle file, const void* data, std::uint32_t size, std::uint32_t* written);

bool CloseHandle(FileHandle handle);
bool DeleteFileW(const char16_t* path);

}  // namespace platform
