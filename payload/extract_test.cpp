#include "payload/extract.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/run_state.h"
#include "platform/host/resource_module.h"
#include "tests/support/fresh_process.h"

namespace spwrap {
namespace {

namespace fs = std::filesystem;
using testing::CarriedPackageBytes;
using testing::Narrow;
using testing::ReadFileBytes;
using testing::Wide;

class MakeTempFileNameTest : public testing::FreshProcess {
 protected:
  // The name made with "MSP" and the proposed folder; empty when none.
  std::string Make(const std::string& proposed = "/nonexistent-proposed/") {
    auto made = MakeTempFileName(Wide(proposed), u"MSP", counter_);
    if (!made) return "";
    EXPECT_TRUE(made->file.valid()) << "a free name is reserved by creating the file";
    return Narrow(made->path);
  }

  TempNameCounter counter_;
};

TEST_F(MakeTempFileNameTest, FirstNameInTmpIsMsp2AndIsReserved) {
  const std::string name = Make();
  EXPECT_EQ(name, scratch().string() + "\\MSP2");
  EXPECT_TRUE(fs::is_regular_file(scratch() / "MSP2"));
  EXPECT_EQ(fs::file_size(scratch() / "MSP2"), 0u);
}

TEST_F(MakeTempFileNameTest, SkipsNamesTakenByAFileOrAFolder) {
  testing::WriteFileBytes(scratch() / "MSP2", "x");
  fs::create_directory(scratch() / "MSP3");
  EXPECT_EQ(Make(), scratch().string() + "\\MSP4");
  EXPECT_EQ(ReadFileBytes(scratch() / "MSP2"), "x") << "a taken name is left alone";
}

TEST_F(MakeTempFileNameTest, LaterCallsNumberOnFromTheLastName) {
  EXPECT_EQ(Make(), scratch().string() + "\\MSP2");
  fs::remove(scratch() / "MSP2");
  EXPECT_EQ(Make(), scratch().string() + "\\MSP3");
  // A longer prefix starts the numbering again; the same length does not.
  ASSERT_TRUE(MakeTempFileName(Wide(scratch().string()), u"LONGER", counter_));
  EXPECT_EQ(counter_.value, 2u);
  ASSERT_TRUE(MakeTempFileName(Wide(scratch().string()), u"OTHERS", counter_));
  EXPECT_EQ(counter_.value, 3u);
}

TEST_F(MakeTempFileNameTest, ChoosesTheFolder) {
  fs::create_directory(scratch() / "tmp dir");
  fs::create_directory(scratch() / "proposed");
  struct Row {
    const char* what;
    std::optional<std::string> tmp;
    std::string proposed;
    std::string expected;
  };
  const std::string tmpDir = (scratch() / "tmp dir").string();
  const std::string proposed = (scratch() / "proposed").string();
  const Row rows[] = {
      {"TMP that exists", tmpDir, proposed, tmpDir + "\\MSP2"},
      {"TMP with a trailing separator", tmpDir + "/", proposed, tmpDir + "/MSP2"},
      {"TMP with a trailing backslash", tmpDir + "\\", proposed, tmpDir + "\\MSP2"},
      {"TMP in double quotes", "\"" + tmpDir + "\"", proposed, tmpDir + "\\MSP2"},
      {"TMP with a stray quote", tmpDir + "\"", proposed, tmpDir + "\\MSP2"},
      {"TMP naming nothing", (scratch() / "missing").string(), proposed + "/", proposed + "/MSP2"},
      {"TMP not set", std::nullopt, proposed + "/", proposed + "/MSP2"},
      {"quoted TMP naming nothing", "\"" + (scratch() / "missing").string() + "\"", proposed, proposed + "\\MSP2"},
  };
  for (const auto& row : rows) {
    SetEnv("TMP", row.tmp);
    counter_ = {};
    EXPECT_EQ(Make(row.proposed), row.expected) << row.what;
    fs::remove(tmpDir + "/MSP2");
    fs::remove(proposed + "/MSP2");
  }
}

TEST_F(MakeTempFileNameTest, FallsBackToTheDriveRootThenTheCurrentFolder) {
  SetEnv("TMP", std::nullopt);
  // The root exists but is not writable for an ordinary user, so every name
  // there is refused and none is made.
  testing::AsUnprivilegedUser unprivileged;
  EXPECT_EQ(Make("/nonexistent-proposed/"), "");
  EXPECT_EQ(counter_.value, 1u + 32768u) << "tries exactly 32,767 numbers";
}

TEST_F(MakeTempFileNameTest, RefusesAFolderOf246CharactersOrMore) {
  // Folder + "MSP" + separator, ten digits and terminator must fit in 260.
  for (const std::size_t length : {245u, 246u, 300u}) {
    const std::string folder = MakeFolderOfLength(length);
    ASSERT_EQ(folder.size(), length);
    SetEnv("TMP", folder);
    EXPECT_EQ(Make().empty(), length >= 246) << length;
  }
}

class ExtractPatchPayloadTest : public testing::FreshProcess {};

TEST_F(ExtractPatchPayloadTest, WritesAnExactCopyToTheGivenPath) {
  testing::WriteFileBytes(scratch() / "old.msp", std::string(7'000'000, 'o'));
  for (const char* name : {"new.msp", "old.msp"}) {
    std::u16string path = Wide(name);
    EXPECT_TRUE(ExtractPatchPayload(path));
    EXPECT_EQ(path, Wide(name)) << "a given path is used unchanged";
    EXPECT_EQ(fs::file_size(scratch() / name), 6'231'040u);
    EXPECT_TRUE(ReadFileBytes(scratch() / name) == CarriedPackageBytes()) << name;
  }
}

TEST_F(ExtractPatchPayloadTest, EmptyPathGetsANewTemporaryFile) {
  std::u16string first, second;
  ASSERT_TRUE(ExtractPatchPayload(first));
  ASSERT_TRUE(ExtractPatchPayload(second));
  EXPECT_EQ(Narrow(first), scratch().string() + "\\MSP2");
  EXPECT_EQ(Narrow(second), scratch().string() + "\\MSP3");
  EXPECT_TRUE(ReadFileBytes(scratch() / "MSP3") == CarriedPackageBytes());
}

TEST_F(ExtractPatchPayloadTest, FailuresToWrite) {
  fs::create_directory(scratch() / "folder");
  fs::create_directory(scratch() / "locked");
  fs::permissions(scratch() / "locked", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                            fs::perms::others_exec);
  struct Row {
    const char* what;
    std::string path;
  };
  const Row rows[] = {
      {"a folder on the way is missing", "missing/x.msp"},
      {"the path is a folder", "folder"},
      {"the folder is not writable", "locked/x.msp"},
      {"the disk is full", "/dev/full"},
  };
  for (const auto& row : rows) {
    testing::AsUnprivilegedUser unprivileged;
    std::u16string path = Wide(row.path);
    EXPECT_FALSE(ExtractPatchPayload(path)) << row.what;
    EXPECT_EQ(path, Wide(row.path)) << row.what;
  }
  EXPECT_FALSE(fs::exists(scratch() / "locked/x.msp"));
}

TEST_F(ExtractPatchPayloadTest, NoTemporaryNameLeavesThePathEmpty) {
  const std::string longFolder = MakeFolderOfLength(246);
  struct Row {
    const char* what;
    std::string tmp;
  };
  const Row rows[] = {
      {"folder of 246 characters", longFolder},
      {"temporary folder longer than its buffer", "/" + std::string(1100, 't')},
  };
  for (const auto& row : rows) {
    SetEnv("TMP", row.tmp);
    std::u16string path;
    EXPECT_FALSE(ExtractPatchPayload(path)) << row.what;
    EXPECT_EQ(path, u"") << row.what;
  }
}

TEST_F(ExtractPatchPayloadTest, MissingOrEmptyPackageWritesNothing) {
  static const unsigned char kByte = 0;
  const platform::host::CarriedResource emptyPackage[] = {{{u"MSP"}, {u"IDR_MSP"}, 1046, &kByte, 0}};
  const platform::host::CarriedResource otherResource[] = {{{u"MSP"}, {u"OTHER"}, 1046, &kByte, 1}};
  for (const auto& resources : {std::span(emptyPackage), std::span(otherResource)}) {
    const platform::host::ResourceModule module{resources};
    moduleHandle = platform::host::AsModuleHandle(module);
    std::u16string temporary;
    EXPECT_FALSE(ExtractPatchPayload(temporary));
    EXPECT_FALSE(temporary.empty()) << "the name made stays in the path";
    EXPECT_FALSE(fs::exists(Narrow(temporary))) << "the reserved name is not left behind";
    std::u16string named = u"named.msp";
    EXPECT_FALSE(ExtractPatchPayload(named));
    EXPECT_FALSE(fs::exists(scratch() / "named.msp"));
  }
}

class ExtractModeTest : public testing::FreshProcess {};

TEST_F(ExtractModeTest, WritesThePackageWhereTheCommandLineSays) {
  struct Row {
    std::vector<std::string> arguments;
    std::vector<std::string> written;
    std::vector<std::string> notWritten;
  };
  const Row rows[] = {
      {{"/e", "x.msp"}, {"x.msp"}, {}},
      {{"/E", "upper.msp"}, {"upper.msp"}, {}},
      {{"/e", "a.msp", "/e", "b.msp"}, {"b.msp"}, {"a.msp"}},
      {{"/i", "/e", "after-i.msp"}, {}, {"after-i.msp"}},
  };
  for (const auto& row : rows) {
    runOptions = RunOptions{};
    EXPECT_EQ(RunProgram(row.arguments), 0);
    for (const auto& name : row.written) {
      EXPECT_TRUE(ReadFileBytes(scratch() / name) == CarriedPackageBytes()) << name;
    }
    for (const auto& name : row.notWritten) EXPECT_FALSE(fs::exists(scratch() / name)) << name;
  }
}

TEST_F(ExtractModeTest, BareExtractWritesATemporaryFile) {
  EXPECT_EQ(RunProgram({"/e"}), 0);
  EXPECT_TRUE(ReadFileBytes(scratch() / "MSP2") == CarriedPackageBytes());
}

TEST_F(ExtractModeTest, FailureEndsWithInstallFailure) {
  fs::create_directory(scratch() / "folder");
  const std::string longFolder = MakeFolderOfLength(246);
  struct Row {
    const char* what;
    std::vector<std::string> arguments;
    std::optional<std::string> tmp;
  };
  const Row rows[] = {
      {"missing folder", {"/e", "missing/x.msp"}, scratch().string()},
      {"path is a folder", {"/e", "folder"}, scratch().string()},
      {"full disk", {"/e", "/dev/full"}, scratch().string()},
      {"temporary folder name too long", {"/e"}, longFolder},
  };
  for (const auto& row : rows) {
    SetEnv("TMP", row.tmp);
    EXPECT_EQ(RunProgram(row.arguments), 1603) << row.what;
  }
}

}  // namespace
}  // namespace spwrap
