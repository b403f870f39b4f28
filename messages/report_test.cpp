#include "messages/report.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "app/run_state.h"
#include "platform/host/machine.h"
#include "platform/thread_state.h"
#include "tests/support/fresh_process.h"
#include "tests/support/string_tables.h"

namespace spwrap {
namespace {

using testing::Narrow;

class MessagesTest : public testing::FreshProcess {
 protected:
  // Uses the user default locale the environment gives.
  void StartAsUser(const std::string& language) {
    SetEnv("SPWRAP_LANGID", language);
    platform::host::ResetMachine();
  }

  const platform::host::ShownMessageBox& OnlyBox() {
    const auto& boxes = platform::host::CurrentMachine().messageBoxes;
    EXPECT_EQ(boxes.size(), 1u);
    static const platform::host::ShownMessageBox kNone;
    return boxes.empty() ? kNone : boxes.back();
  }

  void ClearBoxes() { platform::host::CurrentMachine().messageBoxes.clear(); }
};

TEST(StringTableTest, HostBuildCarriesEveryLanguageWellFormed) {
  testing::ExpectWellFormedStringTables(testing::HostStringTables(), "host build");
}

TEST_F(MessagesTest, LoadTextFindsTheVersionTextsUnderEveryLanguage) {
  for (const auto& [language, texts] : testing::HostStringTables()) {
    ASSERT_TRUE(platform::SetThreadLocale(language));
    std::u16string text = u"previous";
    EXPECT_EQ(LoadText(moduleHandle, IDS_TARGET_VERSION, text, 256), 7) << language;
    EXPECT_EQ(text, u"9.1.0.6") << language;
    EXPECT_EQ(LoadText(moduleHandle, IDS_BASE_VERSIONS, text, 256), 18) << language;
    EXPECT_EQ(text, u"9.0.34.0,9.0.43.0,") << language;
  }
}

TEST_F(MessagesTest, LoadTextOfNoTextOrASmallBuffer) {
  std::u16string text = u"previous";
  EXPECT_EQ(LoadText(moduleHandle, 302, text, 256), 0);
  EXPECT_EQ(text, u"");
  EXPECT_EQ(LoadText(moduleHandle, IDS_TARGET_VERSION, text, 4), 3);
  EXPECT_EQ(text, u"9.1");
}

TEST_F(MessagesTest, EachIdHasItsTextCaptionAndStyle) {
  struct Row {
    std::uint32_t id;
    std::uint32_t lastError;
    std::u16string text;
    std::u16string caption;
    std::uint32_t style;
  };
  const Row rows[] = {
      {300, 1603,
       u"A problem prevented the Service Pack from being installed. Contact your system administrator. \n\n Error "
       u"Code: 1603",
       u"Installation Error", 0x50010},
      {300, 2147942405u,
       u"A problem prevented the Service Pack from being installed. Contact your system administrator. \n\n Error "
       u"Code: -2147024891",
       u"Installation Error", 0x50010},
      {301, 0, u"The service pack was successfully installed and Veldrin Pro has been updated.",
       u"Installation Successful", 0x50040},
      {306, 0, u"Your version of Veldrin Pro is up-to-date and this service pack is not necessary",
       u"Installation Unnecessary", 0x50010},
      {307, 0,
       u"The service pack could not be installed because the expected Kalvaron product could not be located on "
       u"your computer.\nMake sure that you are using the correct service pack for the product.",
       u"Installation Error", 0x50010},
      {308, 0,
       u"This service pack could not be installed because it is not designed for the version of Veldrin Pro that is "
       u"installed on your computer.",
       u"Installation Error", 0x50010},
      {309, 0, u"The command line that you supplied is incorrect. Please check it for errors.", u"Installation Error",
       0x50010},
      {310, 0, u"You must supply a patch list with the command line to install this service pack installation.",
       u"Installation Error", 0x50010},
      // Ids outside the message table: shown as loaded, caption "Error", no icon.
      {302, 0, u"", u"Error", 0x50000},
      {700, 0, u"9.1.0.6", u"Error", 0x50000},
  };
  currentProductName = u"Veldrin Pro";
  for (const auto& row : rows) {
    ClearBoxes();
    platform::SetLastError(row.lastError);
    ReportMessage(row.id);
    const auto& box = OnlyBox();
    EXPECT_EQ(box.text, row.text) << row.id;
    EXPECT_EQ(box.caption, row.caption) << row.id;
    EXPECT_EQ(box.style, row.style) << row.id;
  }
}

TEST_F(MessagesTest, QuietShowsNothing) {
  runOptions.quiet = true;
  for (std::uint32_t id : {300u, 301u, 302u, 306u, 307u, 308u, 309u, 310u}) ReportMessage(id);
  EXPECT_TRUE(platform::host::CurrentMachine().messageBoxes.empty());
}

TEST_F(MessagesTest, AProductNameFillsTheRoomLeftAndNoMore) {
  const std::u16string prefix = u"The service pack was successfully installed and ";
  const std::u16string suffix = u" has been updated.";
  for (const std::size_t length : {513u, 600u}) {
    ClearBoxes();
    currentProductName = std::u16string(length, u'n');
    ReportMessage(IDS_INSTALL_SUCCEEDED);
    // The composed text has room for the template's length plus 511 characters.
    const std::u16string whole = prefix + currentProductName + suffix;
    const std::size_t room = prefix.size() + 2 + suffix.size() + 511;
    EXPECT_EQ(OnlyBox().text, whole.substr(0, room)) << length;
  }
}

TEST_F(MessagesTest, EveryLanguageShowsItsOwnTextAndCaption) {
  currentProductName = u"Veldrin Pro";
  const std::pair<std::uint32_t, std::uint32_t> messageAndCaption[] = {{300, 311}, {301, 312}, {306, 313},
                                                                        {307, 311}, {308, 311}, {310, 311}};
  for (const auto& [language, texts] : testing::HostStringTables()) {
    ASSERT_TRUE(platform::SetThreadLocale(language)) << language;
    for (const auto& [id, captionId] : messageAndCaption) {
      ClearBoxes();
      platform::SetLastError(1603);
      ReportMessage(id);
      std::u16string expected = texts.at(id);
      if (const auto at = expected.find(u'%'); at != std::u16string::npos) {
        expected.replace(at, 2, id == 300 ? u"1603" : u"Veldrin Pro");
      }
      EXPECT_EQ(OnlyBox().text, expected) << "language " << language << ", id " << id;
      EXPECT_EQ(OnlyBox().caption, texts.at(captionId)) << "language " << language << ", id " << id;
    }
  }
}

TEST_F(MessagesTest, ALanguageOutsideTheTableFallsBack) {
  const auto tables = testing::HostStringTables();
  struct Row {
    std::string userDefault;
    std::uint16_t threadLanguage;
    std::uint16_t shownLanguage;
  };
  const Row rows[] = {
      {"1036", 1043, 1036},  // Dutch product, French user: the user's language
      {"1043", 1043, 1033},  // Dutch product, Dutch user: English
      {"1049", 0x0009, 1033},  // English without a sublanguage is English (United States)
      {"1041", 0x0400, 1041},  // the user default
  };
  for (const auto& row : rows) {
    StartAsUser(row.userDefault);
    ASSERT_TRUE(platform::SetThreadLocale(row.threadLanguage));
    ReportMessage(IDS_ERR_PRODUCT_NOT_FOUND);
    EXPECT_EQ(OnlyBox().text, tables.at(row.shownLanguage).at(307)) << row.userDefault << "/" << row.threadLanguage;
    EXPECT_EQ(OnlyBox().caption, tables.at(row.shownLanguage).at(311));
  }
}

TEST_F(MessagesTest, AnUnknownLocaleIsRefusedAndChangesNothing) {
  StartAsUser("1031");
  ASSERT_TRUE(platform::SetThreadLocale(1036));
  EXPECT_FALSE(platform::SetThreadLocale(0x1234));
  EXPECT_EQ(platform::GetThreadLocale(), 1036u);
  EXPECT_TRUE(platform::SetThreadLocale(platform::LOCALE_USER_DEFAULT));
  EXPECT_EQ(platform::GetThreadLocale(), 1031u);
}

TEST_F(MessagesTest, BoxesAreLoggedAsJsonLines) {
  const auto log = scratch() / "messages.jsonl";
  SetEnv("SPWRAP_MESSAGE_LOG", log.string());
  currentProductName = u"Produit \u00e9\"t\u00e9\"";
  ASSERT_TRUE(platform::SetThreadLocale(1036));
  ReportMessage(IDS_INSTALL_SUCCEEDED);
  platform::SetLastError(5);
  ReportMessage(IDS_ERR_INSTALL_FAILED);

  std::ifstream in(log);
  std::vector<nlohmann::json> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(lines.size(), 2u);
  const auto& boxes = platform::host::CurrentMachine().messageBoxes;
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(lines[i]["caption"], Narrow(boxes[i].caption));
    EXPECT_EQ(lines[i]["text"], Narrow(boxes[i].text));
    EXPECT_EQ(lines[i]["style"], boxes[i].style);
  }
  EXPECT_NE(lines[0]["text"].get<std::string>().find("Produit \u00e9\"t\u00e9\""), std::string::npos);
}

}  // namespace
}  // namespace spwrap
