#include "platform/host/pe_resources.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/host/version_resource.h"
#include "tests/support/fresh_process.h"

namespace platform::host {
namespace {

namespace fs = std::filesystem;
using spwrap::testing::ReadFileBytes;

std::vector<std::byte> FixtureBytes(const std::string& name) {
  const std::string text = ReadFileBytes(fs::path(SPWRAP_FILE_VERSION_FIXTURES) / name);
  const auto* data = reinterpret_cast<const std::byte*>(text.data());
  return {data, data + text.size()};
}

// A little-endian byte buffer that grows to whatever is written into it.
class Bytes {
 public:
  void Put16(std::size_t at, std::uint16_t value) { Put(at, value, 2); }
  void Put32(std::size_t at, std::uint32_t value) { Put(at, value, 4); }
  void PutText(std::size_t at, std::u16string_view text) {
    Put16(at, static_cast<std::uint16_t>(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i) Put16(at + 2 + 2 * i, text[i]);
  }
  // A directory header with its entry counts.
  void Directory(std::size_t at, std::uint16_t named, std::uint16_t ids) {
    Put16(at + 12, named);
    Put16(at + 14, ids);
  }
  // Entry i of the directory at dir: a name field and a target field.
  void Entry(std::size_t dir, std::size_t i, std::uint32_t name, std::uint32_t target) {
    Put32(dir + 16 + 8 * i, name);
    Put32(dir + 16 + 8 * i + 4, target);
  }
  void Leaf(std::size_t at, std::uint32_t rva, std::uint32_t size) {
    Put32(at, rva);
    Put32(at + 4, size);
    Put32(at + 8, 1252);
    Put32(at + 12, 0);
  }
  std::vector<std::byte> bytes;

 private:
  void Put(std::size_t at, std::uint32_t value, std::size_t count) {
    if (bytes.size() < at + count) bytes.resize(at + count);
    for (std::size_t i = 0; i < count; ++i) bytes[at + i] = static_cast<std::byte>(value >> (8 * i));
  }
};

constexpr std::uint32_t kSubdirectory = 0x80000000;
constexpr std::uint32_t kNamed = 0x80000000;
constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::size_t kSectionFileOffset = 0x200;

// A PE32+ file with one section that holds the resource tree given (offsets
// in it from the section's start, which is also the tree's root).
std::vector<std::byte> MakeModule(const Bytes& section) {
  Bytes file;
  file.Put16(0, 0x5A4D);
  file.Put32(0x3C, 0x40);
  file.Put32(0x40, 0x00004550);
  const std::size_t coff = 0x44;
  file.Put16(coff, 0x8664);
  file.Put16(coff + 2, 1);
  file.Put16(coff + 16, 240);
  const std::size_t optional = coff + 20;
  file.Put16(optional, 0x20B);
  file.Put32(optional + 108, 16);
  file.Put32(optional + 112 + 16, kSectionRva);
  file.Put32(optional + 112 + 20, static_cast<std::uint32_t>(section.bytes.size()));
  const std::size_t header = optional + 240;
  file.Put32(header + 8, static_cast<std::uint32_t>(section.bytes.size()));
  file.Put32(header + 12, kSectionRva);
  file.Put32(header + 16, static_cast<std::uint32_t>(section.bytes.size()));
  file.Put32(header + 20, kSectionFileOffset);
  file.bytes.resize(kSectionFileOffset);
  file.bytes.insert(file.bytes.end(), section.bytes.begin(), section.bytes.end());
  return file.bytes;
}

// A well-formed tree: type "MSP" / name 7 / language 1046 with data "abcd", and
// type 6 / name "TXT" / languages 1033 and 1031 with data "ef" and "ghi".
Bytes SampleTree() {
  Bytes tree;
  tree.Directory(0, 1, 1);
  tree.Entry(0, 0, kNamed | 0x200, kSubdirectory | 0x20);
  tree.Entry(0, 1, 6, kSubdirectory | 0x38);
  tree.Directory(0x20, 0, 1);  // names of "MSP"
  tree.Entry(0x20, 0, 7, kSubdirectory | 0x50);
  tree.Directory(0x38, 1, 0);  // names of type 6
  tree.Entry(0x38, 0, kNamed | 0x210, kSubdirectory | 0x68);
  tree.Directory(0x50, 0, 1);
  tree.Entry(0x50, 0, 1046, 0x100);
  tree.Directory(0x68, 0, 2);
  tree.Entry(0x68, 0, 1033, 0x110);
  tree.Entry(0x68, 1, 1031, 0x120);
  tree.Leaf(0x100, kSectionRva + 0x300, 4);
  tree.Leaf(0x110, kSectionRva + 0x304, 2);
  tree.Leaf(0x120, kSectionRva + 0x306, 3);
  tree.PutText(0x200, u"MSP");
  tree.PutText(0x210, u"TXT");
  tree.bytes.resize(0x300 + 9);
  for (std::size_t i = 0; i < 9; ++i) tree.bytes[0x300 + i] = static_cast<std::byte>('a' + i);
  return tree;
}

std::string AsText(std::span<const std::byte> data) { return {reinterpret_cast<const char*>(data.data()), data.size()}; }

TEST(PeResourcesTest, ListsEveryResourceWithItsNamesAndData) {
  const auto file = MakeModule(SampleTree());
  const auto resources = ListPeResources(file);
  ASSERT_TRUE(resources);
  ASSERT_EQ(resources->size(), 3u);
  EXPECT_EQ((*resources)[0].type.text, u"MSP");
  EXPECT_EQ((*resources)[0].name.number, 7);
  EXPECT_EQ((*resources)[0].language, 1046);
  EXPECT_EQ((*resources)[0].codePage, 1252u);
  EXPECT_EQ(AsText((*resources)[0].data), "abcd");
  EXPECT_EQ((*resources)[1].type.number, 6);
  EXPECT_EQ((*resources)[1].name.text, u"TXT");
  EXPECT_EQ((*resources)[1].language, 1033);
  EXPECT_EQ(AsText((*resources)[1].data), "ef");
  EXPECT_EQ((*resources)[2].language, 1031);
  EXPECT_EQ(AsText((*resources)[2].data), "ghi");
}

TEST(PeResourcesTest, FindsByNumberOrTextAndLanguage) {
  const auto file = MakeModule(SampleTree());
  struct Row {
    const char* what;
    ResourceId type;
    ResourceId name;
    std::optional<std::uint16_t> language;
    std::vector<std::string> data;
  };
  const Row rows[] = {
      {"text type, number name", {u"MSP"}, {{}, 7}, std::nullopt, {"abcd"}},
      {"text compared without ASCII case", {u"msp"}, {{}, 7}, std::nullopt, {"abcd"}},
      {"every language", {{}, 6}, {u"txt"}, std::nullopt, {"ef", "ghi"}},
      {"one language", {{}, 6}, {u"TXT"}, 1031, {"ghi"}},
      {"absent language", {{}, 6}, {u"TXT"}, 1046, {}},
      {"a number is no text", {{}, 7}, {u"TXT"}, std::nullopt, {}},
      {"absent name", {u"MSP"}, {{}, 8}, std::nullopt, {}},
  };
  for (const auto& row : rows) {
    const auto found = FindPeResources(file, row.type, row.name, row.language);
    ASSERT_TRUE(found) << row.what;
    std::vector<std::string> data;
    for (const auto& resource : *found) data.push_back(AsText(resource.data));
    EXPECT_EQ(data, row.data) << row.what;
  }
}

TEST(PeResourcesTest, RefusesMalformedTrees) {
  struct Row {
    const char* what;
    void (*damage)(Bytes&);
  };
  const Row rows[] = {
      {"a directory that contains itself", [](Bytes& t) { t.Entry(0x20, 0, 7, kSubdirectory | 0x20); }},
      {"a directory pointing back to the root", [](Bytes& t) { t.Entry(0x50, 0, 1046, kSubdirectory | 0); }},
      {"data where a name directory belongs", [](Bytes& t) { t.Entry(0, 0, kNamed | 0x200, 0x100); }},
      {"a named language", [](Bytes& t) { t.Entry(0x50, 0, kNamed | 0x210, 0x100); }},
      {"more entries than the section holds", [](Bytes& t) { t.Directory(0x68, 0, 0xFFFF); }},
      {"a directory past the section", [](Bytes& t) { t.Entry(0x38, 0, kNamed | 0x210, kSubdirectory | 0x7FFFFFF0); }},
      {"a name past the section", [](Bytes& t) { t.Entry(0x38, 0, kNamed | 0x7FFFFFFE, kSubdirectory | 0x68); }},
      {"a name longer than the section", [](Bytes& t) { t.Put16(0x210, 0xFFFF); }},
      {"data before every section", [](Bytes& t) { t.Leaf(0x110, 0x10, 2); }},
      {"data longer than its section", [](Bytes& t) { t.Leaf(0x110, kSectionRva + 0x304, 0x1000); }},
      {"data at the largest address", [](Bytes& t) { t.Leaf(0x110, 0xFFFFFFFF, 1); }},
      {"a leaf cut short", [](Bytes& t) { t.bytes.resize(0x11C); }},
  };
  for (const auto& row : rows) {
    Bytes tree = SampleTree();
    row.damage(tree);
    const auto file = MakeModule(tree);
    EXPECT_FALSE(ListPeResources(file)) << row.what;
  }
}

TEST(PeResourcesTest, FindReadsOnlyTheMatchingBranches) {
  Bytes tree = SampleTree();
  tree.Entry(0x20, 0, 7, kSubdirectory | 0x20);  // the "MSP" branch loops
  const auto file = MakeModule(tree);
  EXPECT_FALSE(ListPeResources(file));
  const auto found = FindPeResources(file, {{}, 6}, {u"TXT"});
  ASSERT_TRUE(found);
  EXPECT_EQ(found->size(), 2u);
  EXPECT_FALSE(FindPeResources(file, {u"MSP"}, {{}, 7}));
}

TEST(PeResourcesTest, SharedDirectoriesCannotMakeTheWalkEndless) {
  // Every type names the same name directory, every name the same language
  // directory, every language the same data: 2,000^3 paths in a few kB.
  Bytes tree;
  constexpr std::uint16_t kCount = 2000;
  constexpr std::size_t kLevel2 = 16 + 8 * kCount;
  constexpr std::size_t kLevel3 = kLevel2 + 16 + 8 * kCount;
  constexpr std::size_t kLeaf = kLevel3 + 16 + 8 * kCount;
  tree.Directory(0, 0, kCount);
  tree.Directory(kLevel2, 0, kCount);
  tree.Directory(kLevel3, 0, kCount);
  for (std::uint16_t i = 0; i < kCount; ++i) {
    tree.Entry(0, i, i, kSubdirectory | kLevel2);
    tree.Entry(kLevel2, i, i, kSubdirectory | kLevel3);
    tree.Entry(kLevel3, i, i, kLeaf);
  }
  tree.Leaf(kLeaf, kSectionRva, 4);
  const auto file = MakeModule(tree);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(ListPeResources(file));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(PeResourcesTest, ReadsTheVersionResourceOfRealModules) {
  // PE32+ and PE32, a DLL and an EXE, as mingw-w64 links them.
  for (const char* name : {"x86_64-9.0.34.0.dll", "i686-9.0.43.0.exe"}) {
    const auto file = FixtureBytes(name);
    const auto resources = ListPeResources(file);
    ASSERT_TRUE(resources) << name;
    ASSERT_EQ(resources->size(), 1u) << name;
    const PeResource& version = resources->front();
    EXPECT_EQ(version.type.number, RT_VERSION) << name;
    EXPECT_EQ(version.name.number, 1) << name;
    EXPECT_EQ(version.language, 0x0409) << name;
    // The data is the version block: its first word is its own length.
    EXPECT_EQ(ReadLe16(version.data, 0), version.data.size()) << name;
    EXPECT_TRUE(FixedFileInfoOf(version.data)) << name;
  }
  const auto noVersion = ListPeResources(FixtureBytes("x86_64-no-version.dll"));
  ASSERT_TRUE(noVersion);
  EXPECT_TRUE(noVersion->empty());
}

TEST(PeResourcesTest, EveryCutOfARealModuleIsHandled) {
  // Under the sanitizers, a read past the bytes given fails here.
  const auto file = FixtureBytes("x86_64-9.0.34.0.dll");
  const auto whole = FindVersionResource(file);
  ASSERT_TRUE(whole);
  const std::size_t dataStart = static_cast<std::size_t>(whole->data() - file.data());
  for (std::size_t size = 0; size < file.size(); ++size) {
    const std::vector<std::byte> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
    const auto resource = FindVersionResource(cut);
    if (resource) FixedFileInfoOf(*resource);
    if (size < dataStart + whole->size()) {
      EXPECT_FALSE(resource) << "cut at " << size;
    }
  }
}

TEST(FixedFileInfoOfTest, ChecksTheRootOfTheBlock) {
  const auto file = FixtureBytes("x86_64-65535.dll");
  const auto resource = FindVersionResource(file);
  ASSERT_TRUE(resource);
  const std::vector<std::byte> good(resource->begin(), resource->end());
  const auto value = FixedFileInfoOf(good);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->data(), good.data() + 40);
  EXPECT_EQ(value->size(), 52u);
  EXPECT_EQ(ReadLe32(*value, 8), 0xFFFFFFFFu);  // dwFileVersionMS

  struct Row {
    const char* what;
    std::size_t at;
    std::uint16_t value;
  };
  const Row rows[] = {
      {"wLength past the bytes", 0, static_cast<std::uint16_t>(good.size() + 1)},
      {"wLength too short for the value", 0, 91},
      {"no fixed file information", 2, 0},
      {"value shorter than VS_FIXEDFILEINFO", 2, 51},
      {"value past wLength", 2, static_cast<std::uint16_t>(good.size())},
      {"another key", 6, u'W'},
      {"key without terminator", 36, u'X'},
      {"signature", 40, 0},
  };
  for (const auto& row : rows) {
    std::vector<std::byte> block = good;
    block[row.at] = static_cast<std::byte>(row.value);
    block[row.at + 1] = static_cast<std::byte>(row.value >> 8);
    EXPECT_FALSE(FixedFileInfoOf(block)) << row.what;
  }
  EXPECT_FALSE(FixedFileInfoOf(std::span(good).first(39)));
}

}  // namespace
}  // namespace platform::host
