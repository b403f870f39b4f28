#pragma once
// Host file names: the logic's wide paths as Linux paths, and errno as the
// Win32 error that Windows gives for the same situation.
#include <cstdint>
#include <string>

namespace platform::host {

// UTF-8, with every '\' taken as the separator '/'.
std::string HostPath(const char16_t* path);

// The Win32 error for an errno from an operation on path. ENOENT becomes
// ERROR_FILE_NOT_FOUND when only the last component is missing and
// ERROR_PATH_NOT_FOUND when a folder on the way is.
std::uint32_t Win32ErrorFromErrno(int error, const std::string& path);

}  // namespace platform::host
