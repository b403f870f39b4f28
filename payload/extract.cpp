#include "payload/extract.h"

#include "app/run_state.h"
#include "payload/carried_resource.h"
#include "platform/environment.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/thread_state.h"
#include "platform/wide_format.h"

namespace spwrap {

TempNameCounter tempNameCounter;

namespace {

constexpr std::size_t kMaxPath = 260;
constexpr std::uint32_t kTempFolderCapacity = 1024;
constexpr std::uint32_t kMaxNamesTried = 32767;

std::optional<std::u16string> ReadEnvironmentVariable(const char16_t* name) {
  std::u16string value(kMaxPath, u'\0');
  std::uint32_t length = platform::GetEnvironmentVariableW(name, value.data(), static_cast<std::uint32_t>(value.size()));
  if (length >= value.size()) {
    value.resize(length);
    length = platform::GetEnvironmentVariableW(name, value.data(), static_cast<std::uint32_t>(value.size()));
    if (length >= value.size()) return std::nullopt;  // changed between the two reads
  }
  if (length == 0) return std::nullopt;
  value.resize(length);
  return value;
}

bool Exists(const std::u16string& path) {
  return platform::GetFileAttributesW(path.c_str()) != platform::INVALID_FILE_ATTRIBUTES;
}

std::u16string ChooseTempFolder(std::u16string_view proposed) {
  if (const auto tmp = ReadEnvironmentVariable(u"TMP")) {
    if (Exists(*tmp)) return *tmp;
    if (tmp->find(u'"') != std::u16string::npos) {
      std::u16string unquoted;
      for (char16_t c : *tmp) {
        if (c != u'"') unquoted += c;
      }
      if (Exists(unquoted)) return unquoted;
    }
  }
  if (std::u16string folder(proposed); Exists(folder)) return folder;
  if (Exists(u"\\")) return u"\\";
  return u".";
}

// A name that another file or folder holds, or one whose check is refused,
// is skipped; any other failure leaves the name to its caller.
bool NameIsTaken(std::uint32_t error) {
  return error == platform::ERROR_FILE_EXISTS || error == platform::ERROR_ALREADY_EXISTS ||
         error == platform::ERROR_ACCESS_DENIED;
}

}  // namespace

std::optional<TempFile> MakeTempFileName(std::u16string_view folder, std::u16string_view prefix,
                                         TempNameCounter& counter) {
  const std::u16string chosen = ChooseTempFolder(folder);
  // Room for a separator, up to ten digits and the terminator.
  if (chosen.size() + prefix.size() + 12 > kMaxPath) return std::nullopt;

  std::u16string fixedPart = chosen;
  if (fixedPart.empty() || (fixedPart.back() != u'\\' && fixedPart.back() != u'/')) fixedPart += u'\\';
  fixedPart += prefix;

  if (prefix.size() > counter.previousPrefixLength) counter.value = 1;
  counter.previousPrefixLength = prefix.size();
  const std::uint32_t start = counter.value;

  while (++counter.value - start <= kMaxNamesTried) {
    TempFile candidate;
    candidate.path = platform::FormatWideText(kMaxPath, u"%s%u", {fixedPart, counter.value});
    candidate.file.reset(platform::CreateFileW(candidate.path.c_str(), platform::GENERIC_WRITE,
                                               platform::FILE_SHARE_READ | platform::FILE_SHARE_WRITE,
                                               platform::CREATE_NEW, platform::FILE_ATTRIBUTE_NORMAL));
    if (candidate.file || !NameIsTaken(platform::GetLastError())) return candidate;
  }
  return std::nullopt;
}

bool ExtractPatchPayload(std::u16string& path) {
  platform::ScopedFile file;
  const bool temporary = path.empty();
  if (temporary) {
    char16_t folder[kTempFolderCapacity];
    const std::uint32_t length = platform::GetTempPathW(kTempFolderCapacity, folder);
    if (length == 0 || length > kTempFolderCapacity) return false;
    auto made = MakeTempFileName({folder, length}, u"MSP", tempNameCounter);
    if (!made) return false;
    path = std::move(made->path);
    file = std::move(made->file);
  }

  const CarriedBytes package = LoadCarriedResource(moduleHandle, u"IDR_MSP", u"MSP");
  if (package.status != CarriedBytes::Status::kFound) {
    // The reserved name must not stay behind as an empty file.
    if (file) {
      file.reset();
      platform::DeleteFileW(path.c_str());
    }
    return false;
  }

  if (!temporary) {
    file.reset(platform::CreateFileW(path.c_str(), platform::GENERIC_WRITE,
                                     platform::FILE_SHARE_READ | platform::FILE_SHARE_WRITE, platform::CREATE_ALWAYS,
                                     platform::FILE_ATTRIBUTE_NORMAL));
  }
  if (!file) return false;

  // One write straight from the resource memory.
  const auto size = static_cast<std::uint32_t>(package.bytes.size());
  std::uint32_t written = 0;
  platform::WriteFile(file.get(), package.bytes.data(), size, &written);
  return written == size;
}

}  // namespace spwrap
