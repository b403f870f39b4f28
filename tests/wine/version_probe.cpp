// A probe of the Windows build's version code, run under Wine by
// file_version.sh:
//   version_probe versions PATH...  one line a path: what ReadFileVersion
//                                   answers, "none" for false with the buffer
//                                   untouched, "written" for false with it changed
//   version_probe spaces            lists the characters above U+00FF on which
//                                   the conversion's white space and the
//                                   platform's C1_SPACE classification differ;
//                                   exits 1 when there is one
#include <cstdio>
#include <string>

#include "version/version.h"
#include "version/wide_integer.h"

#include <windows.h>

namespace {

int PrintVersions(int count, wchar_t** paths) {
  for (int i = 0; i < count; ++i) {
    std::u16string out(40, u'#');
    const bool read = spwrap::ReadFileVersion(reinterpret_cast<const char16_t*>(paths[i]), out);
    std::string line;
    if (read) {
      for (const char16_t* c = out.c_str(); *c != u'\0'; ++c) line += static_cast<char>(*c);
    } else {
      line = out == std::u16string(40, u'#') ? "none" : "written";
    }
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

int CompareSpaces() {
  int differences = 0;
  for (unsigned c = 0x100; c <= 0xFFFF; ++c) {
    // White space is skipped before the sign; any other character ends the number.
    const bool skipped = spwrap::WideTextToInteger(std::u16string{static_cast<char16_t>(c), u'-', u'7'}) == -7;
    const wchar_t character = static_cast<wchar_t>(c);
    WORD type = 0;
    GetStringTypeW(CT_CTYPE1, &character, 1, &type);
    if (skipped != ((type & C1_SPACE) != 0)) {
      std::printf("U+%04X: conversion %s, C1_SPACE %s\n", c, skipped ? "skips" : "stops",
                  (type & C1_SPACE) != 0 ? "set" : "clear");
      ++differences;
    }
  }
  return differences == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 2 && std::wstring(argv[1]) == L"versions") return PrintVersions(argc - 2, argv + 2);
  if (argc == 2 && std::wstring(argv[1]) == L"spaces") return CompareSpaces();
  std::fprintf(stderr, "usage: version_probe versions PATH... | spaces\n");
  return 2;
}
