#include "platform/file_version.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/host/paths.h"
#include "platform/host/pe_resources.h"
#include "platform/host/version_resource.h"
#include "platform/thread_state.h"

namespace platform {

namespace {

constexpr std::uint32_t ERROR_INVALID_DATA = 13;
constexpr std::uint32_t ERROR_RESOURCE_DATA_NOT_FOUND = 1812;
constexpr std::uint32_t ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;

// The whole file; nothing, with the reason as last error, when it cannot be read.
std::optional<std::vector<std::byte>> ReadWholeFile(const char16_t* path) {
  if (path == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  const std::string hostPath = host::HostPath(path);
  const int descriptor = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    SetLastError(host::Win32ErrorFromErrno(errno, hostPath));
    return std::nullopt;
  }
  std::vector<std::byte> bytes;
  struct stat info {};
  bool complete = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
  if (!complete) errno = EISDIR;
  std::byte chunk[65536];
  while (complete) {
    const ssize_t count = ::read(descriptor, chunk, sizeof(chunk));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      complete = count == 0;
      break;
    }
    bytes.insert(bytes.end(), chunk, chunk + count);
  }
  const int error = errno;
  ::close(descriptor);
  if (!complete) {
    SetLastError(host::Win32ErrorFromErrno(error, hostPath));
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::uint32_t GetFileVersionInfoSizeW(const char16_t* path, std::uint32_t* handle) {
  if (handle != nullptr) *handle = 0;
  const auto file = ReadWholeFile(path);
  if (!file) return 0;
  const auto resource = host::FindVersionResource(*file);
  if (!resource || resource->empty()) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return 0;
  }
  SetLastError(ERROR_SUCCESS);
  return static_cast<std::uint32_t>(resource->size());
}

bool GetFileVersionInfoW(const char16_t* path, std::uint32_t /*handle*/, std::uint32_t size, void* block) {
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_DATA);
    return false;
  }
  const auto file = ReadWholeFile(path);
  if (!file) return false;
  const auto resource = host::FindVersionResource(*file);
  if (!resource) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return false;
  }
  // As on Windows, a block smaller than the resource gets its beginning.
  std::memcpy(block, resource->data(), std::min<std::size_t>(size, resource->size()));
  SetLastError(ERROR_SUCCESS);
  return true;
}

bool VerQueryValueW(const void* block, const char16_t* subBlock, void** buffer, std::uint32_t* length) {
  if (block == nullptr || buffer == nullptr) return false;
  // The host answers the root only, however many backslashes name it.
  for (const char16_t* c = subBlock; c != nullptr && *c != u'\0'; ++c) {
    if (*c != u'\\') {
      SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
      return false;
    }
  }
  // The block's own length bounds it, as GetFileVersionInfoW filled it.
  const auto* bytes = static_cast<const std::byte*>(block);
  const auto value = host::FixedFileInfoOf({bytes, *host::ReadLe16({bytes, 2}, 0)});
  if (!value) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return false;
  }
  *buffer = const_cast<std::byte*>(value->data());
  if (length != nullptr) *length = static_cast<std::uint32_t>(value->size());
  return true;
}

}  // namespace platform
