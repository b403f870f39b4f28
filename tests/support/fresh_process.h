#pragma once
// A fresh simulated machine and fresh process-wide state for each test, with a
// scratch folder and the environment restored afterwards.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace spwrap::testing {

class FreshProcess : public ::testing::Test {
 protected:
  FreshProcess();
  ~FreshProcess() override;

  // Sets (or with nullopt unsets) an environment variable until the test ends.
  void SetEnv(const std::string& name, const std::optional<std::string>& value);

  // Runs WinMain with these elements after the program path; returns its result.
  int RunProgram(const std::vector<std::string>& arguments);

  const std::filesystem::path& scratch() const { return scratch_; }

  // Makes a folder in scratch() whose full name has exactly length characters.
  std::string MakeFolderOfLength(std::size_t length) const;

 private:
  std::filesystem::path scratch_;
  std::filesystem::path previousDirectory_;
  std::map<std::string, std::optional<std::string>> savedEnvironment_;
};

// Drops the effective user to nobody while it lives, so that a folder's
// permissions hold for a test that runs as root. Does nothing when not root.
class AsUnprivilegedUser {
 public:
  AsUnprivilegedUser();
  ~AsUnprivilegedUser();
  AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
  AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;

 private:
  bool dropped_ = false;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// The carried patch package as the source tree holds it.
const std::string& CarriedPackageBytes();

// UTF-8 for assertion messages and paths.
std::string Narrow(std::u16string_view text);
std::u16string Wide(std::string_view text);

}  // namespace spwrap::testing
