#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>

#include "platform/environment.h"
#include "platform/errors.h"
#include "platform/host/paths.h"
#include "platform/host/utf8.h"
#include "platform/thread_state.h"

namespace platform {

namespace host {

namespace {

constexpr std::uint32_t ERROR_GEN_FAILURE = 31;

bool FolderExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string HostPath(const char16_t* path) {
  std::string result = ToUtf8(path);
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

std::uint32_t Win32ErrorFromErrno(int error, const std::string& path) {
  switch (error) {
    case ENOENT: {
      const auto parent = std::filesystem::path(path).parent_path();
      return parent.empty() || FolderExists(parent.string()) ? ERROR_FILE_NOT_FOUND
                                                             : ERROR_PATH_NOT_FOUND;
    }
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return ERROR_ACCESS_DENIED;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case ENOSPC:
    case EDQUOT:
      return ERROR_DISK_FULL;
    case ENAMETOOLONG:
      return ERROR_FILENAME_EXCED_RANGE;
    case EINVAL:
      return ERROR_INVALID_PARAMETER;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    default:
      return ERROR_GEN_FAILURE;
  }
}

}  // namespace host

namespace {

int DescriptorOf(FileHandle file) {
  return static_cast<int>(reinterpret_cast<std::intptr_t>(file));
}

}  // namespace

std::uint32_t GetTempPathW(std::uint32_t bufferLength, char16_t* buffer) {
  std::u16string folder = u"/tmp/";
  for (const char16_t* variable : {u"TMP", u"TEMP"}) {
    char16_t value[4096];
    const std::uint32_t length = GetEnvironmentVariableW(variable, value, 4096);
    if (length > 0 && length < 4096) {
      std::filesystem::path path = host::HostPath(value);
      if (path.is_relative()) path = std::filesystem::current_path() / path;
      std::string normal = path.lexically_normal().string();
      if (normal.back() != '/') normal += '/';
      folder = host::FromUtf8(normal);
      break;
    }
  }
  if (folder.size() >= bufferLength) return static_cast<std::uint32_t>(folder.size() + 1);
  folder.copy(buffer, folder.size());
  buffer[folder.size()] = u'\0';
  return static_cast<std::uint32_t>(folder.size());
}

std::uint32_t GetFileAttributesW(const char16_t* path) {
  const std::string hostPath = host::HostPath(path);
  if (hostPath.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_FILE_ATTRIBUTES;
  }
  if (hostPath.find_first_of("*?") != std::string::npos) {
    SetLastError(ERROR_INVALID_NAME);
    return INVALID_FILE_ATTRIBUTES;
  }
  struct stat info {};
  if (::stat(hostPath.c_str(), &info) != 0) {
    SetLastError(host::Win32ErrorFromErrno(errno, hostPath));
    return INVALID_FILE_ATTRIBUTES;
  }
  return S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

FileHandle CreateFileW(const char16_t* path, std::uint32_t desiredAccess, std::uint32_t /*shareMode*/,
                       std::uint32_t creationDisposition, std::uint32_t /*flagsAndAttributes*/) {
  // Linux has no share modes; other openers are never kept out.
  const std::string hostPath = host::HostPath(path);
  const bool read = (desiredAccess & GENERIC_READ) != 0;
  const bool write = (desiredAccess & GENERIC_WRITE) != 0;
  int flags = O_CLOEXEC | (read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY);
  switch (creationDisposition) {
    case CREATE_NEW:
      flags |= O_CREAT | O_EXCL;
      break;
    case CREATE_ALWAYS:
      flags |= O_CREAT | O_TRUNC;
      break;
    case OPEN_ALWAYS:
      flags |= O_CREAT;
      break;
    case OPEN_EXISTING:
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return INVALID_HANDLE_VALUE;
  }
  const bool existed = ::access(hostPath.c_str(), F_OK) == 0;
  const int descriptor = hostPath.empty() ? (errno = ENOENT, -1) : ::open(hostPath.c_str(), flags, 0666);
  if (descriptor < 0) {
    SetLastError(host::Win32ErrorFromErrno(errno, hostPath));
    return INVALID_HANDLE_VALUE;
  }
  // Windows reports an existing file that was opened or overwritten this way.
  const bool reportsExisting = creationDisposition == CREATE_ALWAYS || creationDisposition == OPEN_ALWAYS;
  SetLastError(reportsExisting && existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return reinterpret_cast<FileHandle>(static_cast<std::intptr_t>(descriptor));
}

bool WriteFile(FileHandle file, const void* data, std::uint32_t size, std::uint32_t* written) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  std::uint32_t done = 0;
  while (done < size) {
    const ssize_t count = ::write(DescriptorOf(file), bytes + done, size - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      SetLastError(count == 0 ? ERROR_DISK_FULL : host::Win32ErrorFromErrno(errno, ""));
      if (written != nullptr) *written = done;
      return false;
    }
    done += static_cast<std::uint32_t>(count);
  }
  if (written != nullptr) *written = done;
  return true;
}

bool CloseHandle(FileHandle handle) { return ::close(DescriptorOf(handle)) == 0; }

bool DeleteFileW(const char16_t* path) {
  const std::string hostPath = host::HostPath(path);
  if (::unlink(hostPath.c_str()) != 0) {
    SetLastError(host::Win32ErrorFromErrno(errno, hostPath));
    return false;
  }
  return true;
}

}  // namespace platform
