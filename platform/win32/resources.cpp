#include "platform/resources.h"
#include "platform/win32/wide.h"

#include <windows.h>

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

}  // namespace platform
