// Checks a built Windows executable's resources, read straight from the file:
// exactly what the resource script names and nothing else, the same bytes and
// texts the host build carries, and string tables that obey the rules of every
// language. The Windows presets run it on their spwrap.exe:
//
//   windows_executable_tests --gtest_... SPWRAP_EXE=path (environment)
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <tuple>

#include "platform/host/pe_resources.h"
#include "platform/string_block.h"
#include "tests/support/fresh_process.h"
#include "tests/support/string_tables.h"

namespace spwrap {
namespace {

using platform::host::PeResource;

class WindowsExecutableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* exe = std::getenv("SPWRAP_EXE");
    ASSERT_TRUE(exe != nullptr && *exe != '\0') << "SPWRAP_EXE must name the executable to check";
    path_ = exe;
    bytes_ = testing::ReadFileBytes(path_);
    ASSERT_FALSE(bytes_.empty()) << path_;
    auto resources = platform::host::ListPeResources(std::as_bytes(std::span(bytes_)));
    ASSERT_TRUE(resources.has_value()) << path_ << " has no readable resource tree";
    resources_ = std::move(*resources);
  }

  std::string path_;
  std::string bytes_;
  std::vector<PeResource> resources_;
};

std::string Describe(const PeResource& resource) {
  auto name = [](const platform::host::PeResourceName& id) {
    return id.text.empty() ? std::to_string(id.number) : testing::Narrow(id.text);
  };
  return name(resource.type) + "/" + name(resource.name) + "/" + std::to_string(resource.language);
}

TEST_F(WindowsExecutableTest, CarriesExactlyTheScriptsResources) {
  const std::set<std::uint16_t> languages = {1028, 1029, 1031, 1033, 1034, 1036, 1038,
                                             1040, 1041, 1042, 1045, 1046, 1049, 2052};
  std::set<std::string> expected = {"MSP/IDR_MSP/1046", "6/44/1033", "6/57/1033"};
  for (std::uint16_t language : languages) {
    for (const char* block : {"19", "20"}) expected.insert("6/" + std::string(block) + "/" + std::to_string(language));
  }
  std::set<std::string> found;
  for (const auto& resource : resources_) found.insert(Describe(resource));
  EXPECT_EQ(found, expected) << path_ << " carries other resources than the script names";
}

TEST_F(WindowsExecutableTest, CarriesThePackageByteForByte) {
  const auto packages = platform::host::FindPeResources(std::as_bytes(std::span(bytes_)), {u"MSP"}, {u"IDR_MSP"});
  ASSERT_TRUE(packages.has_value());
  ASSERT_EQ(packages->size(), 1u);
  const auto& data = packages->front().data;
  EXPECT_EQ(data.size(), 6'231'040u);
  EXPECT_TRUE(std::string(reinterpret_cast<const char*>(data.data()), data.size()) ==
              testing::CarriedPackageBytes());
}

TEST_F(WindowsExecutableTest, StringTablesAreWellFormedAndMatchTheHostBuild) {
  testing::StringTables tables;
  for (const auto& resource : resources_) {
    if (!resource.type.text.empty() || resource.type.number != platform::kStringTableType) continue;
    ASSERT_EQ(resource.data.size() % 2, 0u) << Describe(resource);
    std::u16string units(resource.data.size() / 2, u'\0');
    std::memcpy(units.data(), resource.data.data(), resource.data.size());
    testing::AddStringBlock(tables, resource.name.number, resource.language, units);
  }
  testing::ExpectWellFormedStringTables(tables, path_);
  EXPECT_TRUE(tables == testing::HostStringTables()) << path_ << " and the host build carry different texts";
}

}  // namespace
}  // namespace spwrap
