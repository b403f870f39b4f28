#include "tests/support/fresh_process.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/exit_code.h"
#include "app/run_state.h"
#include "app/win_main.h"
#include "messages/report.h"
#include "payload/extract.h"
#include "platform/host/machine.h"
#include "platform/host/resource_module.h"
#include "platform/host/utf8.h"

namespace spwrap::testing {

namespace fs = std::filesystem;

FreshProcess::FreshProcess() {
  for (const char* name : {"TMP", "TEMP", "SPWRAP_LANGID", "LC_ALL", "LC_MESSAGES", "LANG", "SPWRAP_MESSAGE_LOG"}) {
    const char* value = std::getenv(name);
    savedEnvironment_[name] = value ? std::optional<std::string>(value) : std::nullopt;
  }
  ::unsetenv("SPWRAP_LANGID");
  ::unsetenv("SPWRAP_MESSAGE_LOG");
  ::setenv("LC_ALL", "en_US.UTF-8", 1);

  std::string pattern = (fs::temp_directory_path() / "spwrap-test-XXXXXX").string();
  scratch_ = ::mkdtemp(pattern.data());
  // Reachable by the unprivileged user of AsUnprivilegedUser.
  fs::permissions(scratch_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
  previousDirectory_ = fs::current_path();
  fs::current_path(scratch_);
  ::setenv("TMP", scratch_.c_str(), 1);
  ::unsetenv("TEMP");

  platform::host::ResetMachine();
  runOptions = RunOptions{};
  moduleHandle = platform::host::AsModuleHandle(platform::host::CarriedModule());
  tempNameCounter = TempNameCounter{};
  currentProductName.clear();
  ResetExitCode();
}

FreshProcess::~FreshProcess() {
  fs::current_path(previousDirectory_);
  std::error_code ignored;
  fs::permissions(scratch_, fs::perms::owner_all, fs::perm_options::add, ignored);
  for (const auto& entry : fs::recursive_directory_iterator(scratch_, ignored)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(scratch_, ignored);
  for (const auto& [name, value] : savedEnvironment_) {
    if (value) {
      ::setenv(name.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name.c_str());
    }
  }
}

void FreshProcess::SetEnv(const std::string& name, const std::optional<std::string>& value) {
  if (!savedEnvironment_.contains(name)) {
    const char* previous = std::getenv(name.c_str());
    savedEnvironment_[name] = previous ? std::optional<std::string>(previous) : std::nullopt;
  }
  if (value) {
    ::setenv(name.c_str(), value->c_str(), 1);
  } else {
    ::unsetenv(name.c_str());
  }
}

int FreshProcess::RunProgram(const std::vector<std::string>& arguments) {
  std::vector<const char*> argv{"spwrap"};
  for (const auto& argument : arguments) argv.push_back(argument.c_str());
  platform::host::SetCommandLineArguments(static_cast<int>(argv.size()), argv.data());
  return WinMain(moduleHandle, nullptr, "", 0);
}

std::string FreshProcess::MakeFolderOfLength(std::size_t length) const {
  std::string folder = scratch_.string();
  // Components of at most 100 characters keep within Linux's name limit.
  while (folder.size() < length) {
    const std::size_t remaining = length - folder.size() - 1;
    folder += "/" + std::string(remaining > 101 ? 100 : remaining, 'f');
  }
  fs::create_directories(folder);
  return folder;
}

AsUnprivilegedUser::AsUnprivilegedUser() {
  if (::geteuid() == 0) {
    dropped_ = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
  }
}

AsUnprivilegedUser::~AsUnprivilegedUser() {
  if (dropped_) {
    (void)::seteuid(0);
    (void)::setegid(0);
  }
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

const std::string& CarriedPackageBytes() {
  static const std::string bytes = ReadFileBytes(fs::path(SPWRAP_SOURCE_DIR) / "resources/service-pack.msp");
  return bytes;
}

std::string Narrow(std::u16string_view text) { return platform::host::ToUtf8(text); }
std::u16string Wide(std::string_view text) { return platform::host::FromUtf8(text); }

}  // namespace spwrap::testing
