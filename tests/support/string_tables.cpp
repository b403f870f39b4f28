#include "tests/support/string_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/host/resource_module.h"
#include "platform/string_block.h"
#include "tests/support/fresh_process.h"

namespace spwrap::testing {

namespace {

constexpr std::uint16_t kEnglish = 1033;
const std::set<std::uint16_t> kLanguages = {1028, 1029, 1031, 1033, 1034, 1036, 1038,
                                            1040, 1041, 1042, 1045, 1046, 1049, 2052};
const std::set<std::uint32_t> kMessageIds = {300, 301, 306, 307, 308, 309, 310, 311, 312, 313};

std::size_t Count(std::u16string_view text, std::u16string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::u16string_view::npos; at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

// The one conversion each message may carry.
std::u16string_view PlaceholderOf(std::uint32_t id) {
  switch (id) {
    case 300:
      return u"%d";
    case 301:
    case 306:
    case 308:
      return u"%s";
    default:
      return u"";
  }
}

}  // namespace

void AddStringBlock(StringTables& tables, std::uint32_t block, std::uint16_t language,
                    std::span<const char16_t> units) {
  for (std::uint32_t slot = 0; slot < 16; ++slot) {
    const std::uint32_t id = (block - 1) * 16 + slot;
    const auto text = platform::StringFromBlock(units, id);
    ASSERT_TRUE(text.has_value()) << "block " << block << " of language " << language << " is cut short";
    if (!text->empty()) tables[language][id] = std::u16string(*text);
  }
}

StringTables HostStringTables() {
  StringTables tables;
  for (const auto& resource : platform::host::CarriedModule().resources) {
    if (!resource.type.text.empty() || resource.type.number != platform::kStringTableType) continue;
    AddStringBlock(tables, resource.name.number, resource.language,
                   {static_cast<const char16_t*>(resource.data), resource.size / sizeof(char16_t)});
  }
  return tables;
}

void ExpectWellFormedStringTables(const StringTables& tables, const std::string& where) {
  std::set<std::uint16_t> languages;
  for (const auto& [language, texts] : tables) languages.insert(language);
  ASSERT_EQ(languages, kLanguages) << where;

  const auto& english = tables.at(kEnglish);
  for (const auto& [language, texts] : tables) {
    const std::string context = where + ", language " + std::to_string(language);
    std::set<std::uint32_t> ids;
    for (const auto& [id, text] : texts) ids.insert(id);
    std::set<std::uint32_t> expectedIds = kMessageIds;
    if (language == kEnglish) expectedIds.insert({700, 900});
    EXPECT_EQ(ids, expectedIds) << context;

    for (const std::uint32_t id : kMessageIds) {
      if (!texts.contains(id) || !english.contains(id)) continue;
      const std::u16string& text = texts.at(id);
      const std::string row = context + ", id " + std::to_string(id) + ": " + Narrow(text);
      const std::u16string_view placeholder = PlaceholderOf(id);
      EXPECT_EQ(Count(text, u"%"), placeholder.empty() ? 0u : 1u) << row;
      if (!placeholder.empty()) {
        EXPECT_EQ(Count(text, placeholder), 1u) << row;
      }
      EXPECT_EQ(Count(text, u"\n"), Count(english.at(id), u"\n")) << row;
      EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](char16_t c) { return c < 0x20 && c != u'\n'; }))
          << row;
      EXPECT_LE(text.size(), 243u) << row;
      if (language != kEnglish) {
        EXPECT_NE(text, english.at(id)) << row << " is not translated";
      }
    }
    if (texts.contains(307)) {
      EXPECT_EQ(Count(texts.at(307), u"Kalvaron"), 1u) << context;
    }
  }
  EXPECT_EQ(english.at(700), u"9.1.0.6") << where;
  EXPECT_EQ(english.at(900), u"9.0.34.0,9.0.43.0,") << where;
}

}  // namespace spwrap::testing
