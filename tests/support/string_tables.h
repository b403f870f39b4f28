#pragma once
// The executable's string tables, read straight from its resources (not
// through the language lookup), and the rules every language's table obeys.
#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace spwrap::testing {

// Language to id to text; empty slots are left out.
using StringTables = std::map<std::uint16_t, std::map<std::uint32_t, std::u16string>>;

// Adds the texts of one string-table block (block number, language, its
// 16-bit units) to tables.
void AddStringBlock(StringTables& tables, std::uint32_t block, std::uint16_t language,
                    std::span<const char16_t> units);

// The tables of the host build's carried resources.
StringTables HostStringTables();

// Checks the tables with gtest assertions; where names the build.
void ExpectWellFormedStringTables(const StringTables& tables, const std::string& where);

}  // namespace spwrap::testing
