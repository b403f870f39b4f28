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

}  // namespace platform
