#pragma once
// The host build's form of a module's resource section: a table that the
// resource compiler under tools/ generates from the same script that windres
// compiles for Windows. Tests may build modules of their own.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform::host {

// A resource type or name: a text, or a number when the text is empty.
struct ResourceId {
  std::u16string_view text;
  std::uint16_t number = 0;
};

struct CarriedResource {
  ResourceId type;
  ResourceId name;
  std::uint16_t language;
  const void* data;
  std::uint32_t size;
};

struct ResourceModule {
  std::span<const CarriedResource> resources;
};

ModuleHandle AsModuleHandle(const ResourceModule& module);

// The resources compiled into this executable.
const ResourceModule& CarriedModule();

// Whether two ids name the same type or resource: equal numbers, or texts that
// are equal without regard to ASCII case, as Windows compares them.
bool SameResourceId(const ResourceId& a, const ResourceId& b);

// Finds a resource by type and name ("#6" names the number 6), choosing its
// language as the platform does; null when the module has none.
const CarriedResource* FindCarriedResource(const ResourceModule& module, std::u16string_view type,
                                           std::u16string_view name);

// The languages a lookup tries, in order: the thread locale's language, its
// neutral form, the neutral language, the user default and its neutral form,
// then English (United States). A resource found in none of them is taken in
// the first language the module has it in.
std::vector<std::uint16_t> ResourceLanguageOrder();

// Which of the languages that one resource exists in a lookup takes, by
// ResourceLanguageOrder: its index in languages, which must not be empty.
std::size_t ChooseResourceLanguage(std::span<const std::uint16_t> languages);

}  // namespace platform::host
