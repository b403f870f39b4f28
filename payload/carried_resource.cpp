#include "payload/carried_resource.h"

#include "platform/resources.h"

namespace spwrap {

CarriedBytes LoadCarriedResource(platform::ModuleHandle module, const char16_t* name, const char16_t* type) {
  const platform::ResourceHandle resource = platform::FindResourceW(module, name, type);
  if (resource == nullptr) return {CarriedBytes::Status::kMissing, {}};
  const std::uint32_t size = platform::SizeofResource(module, resource);
  const platform::ResourceDataHandle data = size != 0 ? platform::LoadResource(module, resource) : nullptr;
  const void* bytes = data != nullptr ? platform::LockResource(data) : nullptr;
  if (bytes == nullptr) return {CarriedBytes::Status::kUnreadable, {}};
  return {CarriedBytes::Status::kFound, {static_cast<const std::byte*>(bytes), size}};
}

}  // namespace spwrap
