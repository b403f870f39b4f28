#include "platform/resources.h"

#include <algorithm>
#include <optional>

#include "platform/host/machine.h"
#include "platform/host/resource_module.h"
#include "platform/string_block.h"
#include "platform/thread_state.h"
#include "platform/wide_format.h"

namespace platform {

namespace host {

namespace {

constexpr std::uint16_t kEnglish = 0x0409;

std::uint16_t NeutralForm(std::uint16_t language) { return language & 0x3FF; }

char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c; }

// Windows reads "#123" as the number 123; a text that starts with '#' but is no
// such number, and the empty text, name nothing.
std::optional<ResourceId> IdOfText(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  if (text.front() != u'#') return ResourceId{text};
  std::uint32_t number = 0;
  for (char16_t c : text.substr(1)) {
    if (c < u'0' || c > u'9') return std::nullopt;
    number = number * 10 + (c - u'0');
    if (number > 0xFFFF) return std::nullopt;
  }
  if (text.size() == 1) return std::nullopt;
  return ResourceId{{}, static_cast<std::uint16_t>(number)};
}

bool Matches(const ResourceId& id, std::u16string_view text) {
  const auto wanted = IdOfText(text);
  return wanted && SameResourceId(id, *wanted);
}

const ResourceModule* ModuleOf(ModuleHandle handle) {
  return reinterpret_cast<const ResourceModule*>(handle);
}

}  // namespace

ModuleHandle AsModuleHandle(const ResourceModule& module) {
  return reinterpret_cast<ModuleHandle>(const_cast<ResourceModule*>(&module));
}

std::vector<std::uint16_t> ResourceLanguageOrder() {
  const auto thread = static_cast<std::uint16_t>(GetThreadLocale() & 0xFFFF);
  const std::uint16_t user = CurrentMachine().userDefaultLanguage;
  std::vector<std::uint16_t> order;
  for (std::uint16_t language : {thread, NeutralForm(thread), std::uint16_t{0}, user, NeutralForm(user), kEnglish}) {
    if (std::find(order.begin(), order.end(), language) == order.end()) order.push_back(language);
  }
  return order;
}

bool SameResourceId(const ResourceId& a, const ResourceId& b) {
  if (a.text.empty() || b.text.empty()) return a.text.empty() && b.text.empty() && a.number == b.number;
  return std::equal(a.text.begin(), a.text.end(), b.text.begin(), b.text.end(),
                    [](char16_t x, char16_t y) { return UpperAscii(x) == UpperAscii(y); });
}

std::size_t ChooseResourceLanguage(std::span<const std::uint16_t> languages) {
  const auto order = ResourceLanguageOrder();
  for (std::uint16_t wanted : order) {
    const auto found = std::find(languages.begin(), languages.end(), wanted);
    if (found != languages.end()) return static_cast<std::size_t>(found - languages.begin());
  }
  return 0;
}

// Finds a resource by type and name; the language is chosen as Windows does.
const CarriedResource* FindCarriedResource(const ResourceModule& module, std::u16string_view type,
                                           std::u16string_view name) {
  std::vector<const CarriedResource*> matches;
  std::vector<std::uint16_t> languages;
  for (const auto& resource : module.resources) {
    if (!Matches(resource.type, type) || !Matches(resource.name, name)) continue;
    matches.push_back(&resource);
    languages.push_back(resource.language);
  }
  return matches.empty() ? nullptr : matches[ChooseResourceLanguage(languages)];
}

}  // namespace host

ResourceHandle FindResourceW(ModuleHandle module, const char16_t* name, const char16_t* type) {
  if (module == nullptr || name == nullptr || type == nullptr) return nullptr;
  const auto* found = host::FindCarriedResource(*host::ModuleOf(module), type, name);
  return reinterpret_cast<ResourceHandle>(const_cast<host::CarriedResource*>(found));
}

std::uint32_t SizeofResource(ModuleHandle /*module*/, ResourceHandle resource) {
  return resource == nullptr ? 0 : reinterpret_cast<const host::CarriedResource*>(resource)->size;
}

ResourceDataHandle LoadResource(ModuleHandle /*module*/, ResourceHandle resource) {
  return reinterpret_cast<ResourceDataHandle>(resource);
}

const void* LockResource(ResourceDataHandle data) {
  return data == nullptr ? nullptr : reinterpret_cast<const host::CarriedResource*>(data)->data;
}

int LoadStringW(ModuleHandle module, std::uint32_t id, char16_t* buffer, int capacity) {
  std::optional<std::u16string_view> text;
  if (module != nullptr) {
    const std::u16string type = FormatWideText(8, u"#%u", {std::uint32_t{kStringTableType}});
    const std::u16string block = FormatWideText(8, u"#%u", {StringBlockOf(id)});
    if (const auto* found = host::FindCarriedResource(*host::ModuleOf(module), type, block)) {
      text = StringFromBlock({static_cast<const char16_t*>(found->data), found->size / sizeof(char16_t)}, id);
    }
  }
  return CopyLoadedString(text, buffer, capacity);
}

}  // namespace platform
