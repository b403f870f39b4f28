#include "app/command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/host/machine.h"
#include "tests/support/fresh_process.h"

namespace spwrap {

void PrintTo(const RunOptions& options, std::ostream* out) {
  *out << "{install=" << options.installMode << " quiet=" << options.quiet << " e=" << options.extractRequested
       << " '" << testing::Narrow(options.extractPath) << "' p=" << options.patchListRequested << " '"
       << testing::Narrow(options.patchListPath) << "' i=" << options.targetListRequested << "}";
}

namespace {

struct Expected {
  bool install = true;
  bool quiet = false;
  bool extract = false;
  std::u16string extractPath;
  bool patchList = false;
  std::u16string patchListPath;
  bool targetList = false;

  RunOptions AsOptions() const {
    return {install, quiet, extract, extractPath, patchList, patchListPath, targetList};
  }
};

struct ScanCase {
  std::vector<std::u16string> elements;  // after the program path
  Expected expected;
};

const ScanCase kScanCases[] = {
    {{}, {}},
    {{u"/q"}, {.quiet = true}},
    {{u"/Q"}, {.quiet = true}},
    {{u"/E", u"C:\\out.msp"}, {.install = false, .extract = true, .extractPath = u"C:\\out.msp"}},
    {{u"/e"}, {.install = false, .extract = true}},
    // The element after "/e" is the path whatever it holds.
    {{u"/e", u"/q"}, {.install = false, .extract = true, .extractPath = u"/q"}},
    {{u"/e", u""}, {.install = false, .extract = true}},
    {{u"/e", u"a.msp", u"/e", u"b.msp"}, {.install = false, .extract = true, .extractPath = u"b.msp"}},
    // A bare later "/e" keeps the path an earlier one gave.
    {{u"/e", u"a.msp", u"/e"}, {.install = false, .extract = true, .extractPath = u"a.msp"}},
    {{u"/p", u"list.txt", u"/e", u"x.msp"},
     {.install = false, .extract = true, .extractPath = u"x.msp", .patchList = true, .patchListPath = u"list.txt"}},
    {{u"/P"}, {.install = false, .patchList = true}},
    {{u"/e", u"x.msp", u"/p", u"list.txt", u"/i"},
     {.install = false,
      .extract = true,
      .extractPath = u"x.msp",
      .patchList = true,
      .patchListPath = u"list.txt",
      .targetList = true}},
    // "/i" ends the scan.
    {{u"/i", u"/e", u"x.msp"}, {.install = false, .targetList = true}},
    {{u"/e", u"x.msp", u"/i", u"/q"}, {.install = false, .extract = true, .extractPath = u"x.msp", .targetList = true}},
    {{u"/q", u"/i"}, {.install = false, .quiet = true, .targetList = true}},
    {{u"foo", u"/q", u"bar"}, {.quiet = true}},
    // Only whole elements count, and case folds for A to Z only.
    {{u"-q"}, {}},
    {{u"/quiet"}, {}},
    {{u"/q:"}, {}},
    {{u"q"}, {}},
    {{u"/\u0130"}, {}},
    {{u"/\uFF45", u"x"}, {}},
};

TEST(ScanCommandLineTest, TableOfCases) {
  for (const auto& row : kScanCases) {
    std::vector<std::u16string_view> elements{u"C:\\spwrap.exe"};
    std::string shown;
    for (const auto& element : row.elements) {
      elements.push_back(element);
      shown += " [" + testing::Narrow(element) + "]";
    }
    RunOptions options;
    ScanCommandLine(elements, options);
    EXPECT_EQ(options, row.expected.AsOptions()) << "command line:" << shown;
  }
}

TEST(ScanCommandLineTest, NoElementsAtAllMeansInstall) {
  RunOptions options;
  options.quiet = true;
  ScanCommandLine({}, options);
  EXPECT_EQ(options, Expected{}.AsOptions());
}

TEST(ScanCommandLineTest, ResetsEverythingButTheTargetList) {
  RunOptions options{false, true, true, u"a", true, u"b", true};
  const std::u16string_view elements[] = {u"spwrap"};
  ScanCommandLine(elements, options);
  EXPECT_EQ(options, (Expected{.targetList = true}.AsOptions()));
}

class ParseCommandLineTest : public testing::FreshProcess {};

TEST_F(ParseCommandLineTest, SplitsTheProcessCommandLineByThePlatformRules) {
  struct Row {
    std::u16string commandLine;
    Expected expected;
  };
  const Row rows[] = {
      {u"spwrap", {}},
      {u"\"C:\\Program Files\\spwrap.exe\" /E \"C:\\out dir\\x.msp\"",
       {.install = false, .extract = true, .extractPath = u"C:\\out dir\\x.msp"}},
      {u"spwrap /e \"\"", {.install = false, .extract = true}},
      {u"spwrap\t/q   /i", {.install = false, .quiet = true, .targetList = true}},
      {u"spwrap \"/q\"", {.quiet = true}},
  };
  for (const auto& row : rows) {
    runOptions = RunOptions{};
    platform::host::CurrentMachine().commandLine = row.commandLine;
    ParseCommandLine();
    EXPECT_EQ(runOptions, row.expected.AsOptions()) << testing::Narrow(row.commandLine);
  }
}

}  // namespace
}  // namespace spwrap
