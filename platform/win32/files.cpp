#include "platform/files.h"
#include "platform/win32/wide.h"

#include <windows.h>

namespace platform {

namespace {

HANDLE Native(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

}  // namespace

std::uint32_t GetTempPathW(std::uint32_t bufferLength, char16_t* buffer) {
  return ::GetTempPathW(bufferLength, win32::Wide(buffer));
}

std::uint32_t GetFileAttributesW(const char16_t* path) { return ::GetFileAttributesW(win32::Wide(path)); }

FileHandle CreateFileW(const char16_t* path, std::uint32_t desiredAccess, std::uint32_t shareMode,
                       std::uint32_t creationDisposition, std::uint32_t flagsAndAttributes) {
  return reinterpret_cast<FileHandle>(::CreateFileW(win32::Wide(path), desiredAccess, shareMode, nullptr,
                                                    creationDisposition, flagsAndAttributes, nullptr));
}

bool WriteFile(FileHandle file, const void* data, std::uint32_t size, std::uint32_t* written) {
  DWORD count = 0;
  const BOOL ok = ::WriteFile(Native(file), data, size, &count, nullptr);
  if (written != nullptr) *written = count;
  return ok != FALSE;
}

bool CloseHandle(FileHandle handle) { return ::CloseHandle(Native(handle)) != FALSE; }

bool DeleteFileW(const char16_t* path) { return ::DeleteFileW(win32::Wide(path)) != FALSE; }

}  // namespace platform
