#pragma once
// Resources carried in the running module. Lookups name no language: the
// platform's resource-language order chooses among the variants.
#include <cstdint>

#include "platform/types.h"

namespace platform {

// name and type are texts; "#206" names the numeric id 206. Null when absent.
ResourceHandle FindResourceW(ModuleHandle module, const char16_t* name, const char16_t* type);
// Size in bytes; 0 on failure.
std::uint32_t SizeofResource(ModuleHandle module, ResourceHandle resource);
ResourceDataHandle LoadResource(ModuleHandle module, ResourceHandle resource);
// The resource's bytes, valid for the life of the module; null on failure.
const void* LockResource(ResourceDataHandle data);

// Copies string id from the string table, cut to capacity - 1 characters and
// terminated, and returns the characters copied; 0 (and an empty buffer) when
// the id has no text. The table's language follows the thread locale; a
// language is chosen per block of 16 ids, so an id missing from the chosen
// language's block has no text even if another language has it.
int LoadStringW(ModuleHandle module, std::uint32_t id, char16_t* buffer, int capacity);

}  // namespace platform
