#pragma once
// The four-step lookup of a resource carried in the running module: find, size,
// load, lock. The bytes stay valid for the life of the module.
#include <cstddef>
#include <span>

#include "platform/types.h"

namespace spwrap {

struct CarriedBytes {
  enum class Status {
    kFound,
    kMissing,     // the module has no such resource
    kUnreadable,  // found, but of size 0, not loadable or not lockable
  };
  Status status = Status::kMissing;
  std::span<const std::byte> bytes;
};

CarriedBytes LoadCarriedResource(platform::ModuleHandle module, const char16_t* name, const char16_t* type);

}  // namespace spwrap
