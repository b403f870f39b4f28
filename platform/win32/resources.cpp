#include "platform/resources.h"
#include "platform/string_block.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <vector>

namespace platform {

namespace {

HMODULE Native(ModuleHandle module) { return reinterpret_cast<HMODULE>(module); }

}  // namespace

ResourceHandle FindResourceW(ModuleHandle module, const char16_t* name, const char16_t* type) {
  return reinterpret_cast<ResourceHandle>(::FindResourceW(Native(module), win32::Wide(name), win32::Wide(type)));
}

std::uint32_t SizeofResource(ModuleHandle module, ResourceHandle resource) {
  return ::SizeofResource(Native(module), reinterpret_cast<HRSRC>(resource));
}

ResourceDataHandle LoadResource(ModuleHandle module, ResourceHandle resource) {
  return reinterpret_cast<ResourceDataHandle>(::LoadResource(Native(module), reinterpret_cast<HRSRC>(resource)));
}

const void* LockResource(ResourceDataHandle data) { return ::LockResource(reinterpret_cast<HGLOBAL>(data)); }

namespace {

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
  reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
  return TRUE;
}

}  // namespace

// Since Windows Vista the loader picks a string table by the UI languages, not
// by the thread locale, which would leave every message in the user's UI
// language. So the block is taken in the thread locale's language, or its
// neutral form, when the module has it; only otherwise does the platform's own
// order choose (which also finds texts carried in one language only).
int LoadStringW(ModuleHandle module, std::uint32_t id, char16_t* buffer, int capacity) {
  const LPCWSTR block = MAKEINTRESOURCEW(StringBlockOf(id));
  std::vector<WORD> languages;
  ::EnumResourceLanguagesW(Native(module), MAKEINTRESOURCEW(kStringTableType), block, CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
  const LANGID threadLanguage = LANGIDFROMLCID(::GetThreadLocale());
  const LANGID neutralForm = MAKELANGID(PRIMARYLANGID(threadLanguage), SUBLANG_NEUTRAL);
  for (const LANGID wanted : {threadLanguage, neutralForm}) {
    bool present = false;
    for (WORD language : languages) present = present || language == wanted;
    if (!present) continue;
    const HRSRC found = ::FindResourceExW(Native(module), MAKEINTRESOURCEW(kStringTableType), block, wanted);
    const DWORD size = found != nullptr ? ::SizeofResource(Native(module), found) : 0;
    const HGLOBAL loaded = size != 0 ? ::LoadResource(Native(module), found) : nullptr;
    const auto* units = loaded != nullptr ? static_cast<const char16_t*>(::LockResource(loaded)) : nullptr;
    if (units == nullptr) break;
    return CopyLoadedString(StringFromBlock({units, size / sizeof(char16_t)}, id), buffer, capacity);
  }
  return ::LoadStringW(Native(module), id, win32::Wide(buffer), capacity);
}

}  // namespace platform
