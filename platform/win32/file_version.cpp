#include "platform/file_version.h"
#include "platform/win32/wide.h"

#include <windows.h>

namespace platform {

std::uint32_t GetFileVersionInfoSizeW(const char16_t* path, std::uint32_t* handle) {
  DWORD nativeHandle = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(win32::Wide(path), &nativeHandle);
  if (handle != nullptr) *handle = nativeHandle;
  return size;
}

bool GetFileVersionInfoW(const char16_t* path, std::uint32_t handle, std::uint32_t size, void* block) {
  return ::GetFileVersionInfoW(win32::Wide(path), handle, size, block) != FALSE;
}

bool VerQueryValueW(const void* block, const char16_t* subBlock, void** buffer, std::uint32_t* length) {
  UINT nativeLength = 0;
  const BOOL found = ::VerQueryValueW(block, win32::Wide(subBlock), buffer, &nativeLength);
  if (length != nullptr) *length = nativeLength;
  return found != FALSE;
}

}  // namespace platform
