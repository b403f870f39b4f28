#include "version/version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/fresh_process.h"

namespace spwrap {
namespace {

namespace fs = std::filesystem;
using testing::Narrow;
using testing::Wide;

std::string Text(const VersionQuad& v) {
  return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.build) + "." +
         std::to_string(v.revision);
}

struct ParseCase {
  std::u16string text;
  std::string version;
};

const ParseCase kParseCases[] = {
    {u"9.1.0.6", "9.1.0.6"},
    {u"9.0.43.0c", "9.0.43.0"},
    {u"9,0,43,0", "9.0.43.0"},
    {u"9.0,43,0", "9.0.43.0"},
    {u"", "0.0.0.0"},
    {u"abc.def..", "0.0.0.0"},
    // A piece is read only when a '.' follows it, except the fourth.
    {u"9", "0.0.0.0"},
    {u"9.", "9.0.0.0"},
    {u"9.0", "9.0.0.0"},
    {u"9.1", "9.0.0.0"},
    {u"1.2.3", "1.2.0.0"},
    {u"1.2.3.", "1.2.3.0"},
    {u"1.2.3.4.5", "1.2.3.4"},
    {u"1.2.3.4,5", "1.2.3.4"},
    {u"...7", "0.0.0.7"},
    // Each piece by the conversion rule, then its low 16 bits.
    {u" 7.+8.-1.70000", "7.8.65535.4464"},
    {u"65535.65536.65537.4294967295", "65535.0.1.65535"},
    {u"\u30009 .\u0661.x1.\uFF12\uFF13", "9.1.0.23"},
    {u"1 .2 .3 .4", "1.2.3.4"},
};

TEST(ParseVersionTest, ReadsFourPieces) {
  for (const auto& row : kParseCases) {
    EXPECT_EQ(Text(ParseVersion(row.text)), row.version) << Narrow(row.text);
  }
}

TEST(ParseVersionTest, LeavesTheCallersTextAlone) {
  const std::u16string text = u"9,0,34,0";
  ParseVersion(text);
  EXPECT_EQ(text, u"9,0,34,0");
}

TEST(VersionsEqualTest, AllFourFieldsMustMatch) {
  const VersionQuad base = ParseVersion(u"9.0.34.0");
  EXPECT_TRUE(VersionsEqual(base, base));
  EXPECT_TRUE(VersionsEqual(base, ParseVersion(u"9,0,34,0x")));
  EXPECT_FALSE(VersionsEqual(base, ParseVersion(u"9.0.43.0")));
  for (const char16_t* other : {u"8.0.34.0", u"9.1.34.0", u"9.0.35.0", u"9.0.34.1"}) {
    EXPECT_FALSE(VersionsEqual(base, ParseVersion(other))) << Narrow(other);
    EXPECT_FALSE(VersionsEqual(ParseVersion(other), base)) << Narrow(other);
  }
}

// One row of the table that the Wine test reads too.
struct FileCase {
  std::string file;
  std::string version;  // "none": false
};

void PrintTo(const FileCase& row, std::ostream* out) { *out << row.file << " -> " << row.version; }

std::vector<FileCase> FileCases() {
  std::vector<FileCase> rows;
  std::ifstream table(SPWRAP_FILE_VERSION_TABLE);
  for (std::string line; std::getline(table, line);) {
    std::istringstream fields(line);
    FileCase row;
    if (line.empty() || line[0] == '#' || !(fields >> row.file >> row.version)) continue;
    rows.push_back(row);
  }
  return rows;
}

std::string TestName(const ::testing::TestParamInfo<FileCase>& info) {
  std::string name = fs::path(info.param.file).filename().string();
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

class ReadFileVersionFixtureTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(ReadFileVersionFixtureTest, ReadsTheFixedFileVersion) {
  const FileCase& row = GetParam();
  const bool systemFile = row.file.front() == '/';
  const fs::path path = systemFile ? fs::path(row.file) : fs::path(SPWRAP_FILE_VERSION_FIXTURES) / row.file;
  if (systemFile && !fs::exists(path)) GTEST_SKIP() << path << " is not installed";

  std::u16string out(40, u'#');
  const bool read = ReadFileVersion(Wide(path.string()), out);
  if (row.version == "none") {
    EXPECT_FALSE(read);
    EXPECT_EQ(out, std::u16string(40, u'#')) << "written on failure";
  } else {
    ASSERT_TRUE(read);
    EXPECT_EQ(Narrow(out.c_str()), row.version);
    EXPECT_EQ(out.substr(row.version.size() + 1), std::u16string(40 - row.version.size() - 1, u'#'))
        << "written past the terminator";
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ReadFileVersionFixtureTest, ::testing::ValuesIn(FileCases()), TestName);

TEST(ReadFileVersionTest, TableIsThere) {
  const auto rows = FileCases();
  EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const FileCase& row) { return row.file == "x86_64-9.0.34.0.dll"; }))
      << "no rows read from " << SPWRAP_FILE_VERSION_TABLE;
}

TEST(ReadFileVersionTest, NeedsRoomForTheWholeText) {
  const std::u16string path = Wide((fs::path(SPWRAP_FILE_VERSION_FIXTURES) / "x86_64-65535.dll").string());
  std::u16string exact(24, u'#');
  EXPECT_TRUE(ReadFileVersion(path, exact));
  EXPECT_EQ(exact, std::u16string(u"65535.65535.65535.65535") + u'\0');

  for (std::size_t size : {0u, 1u, 23u}) {
    std::u16string shorter(size, u'#');
    EXPECT_FALSE(ReadFileVersion(path, shorter)) << size;
    EXPECT_EQ(shorter, std::u16string(size, u'#')) << size;
  }
}

TEST(ReadFileVersionTest, AFolderHasNoVersion) {
  std::u16string out(24, u'#');
  EXPECT_FALSE(ReadFileVersion(Wide(SPWRAP_FILE_VERSION_FIXTURES), out));
  EXPECT_EQ(out, std::u16string(24, u'#'));
}

}  // namespace
}  // namespace spwrap
