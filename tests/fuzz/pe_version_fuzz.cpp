// Arbitrary bytes as a module file: the resource tree, the version resource
// and the fixed file information at its root. Besides the sanitizers' checks,
// every answer must lie inside the bytes given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/host/pe_resources.h"
#include "platform/host/version_resource.h"

namespace {

void ExpectInside(std::span<const std::byte> part, std::span<const std::byte> whole) {
  if (part.empty()) return;
  if (part.data() < whole.data() || part.data() + part.size() > whole.data() + whole.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace platform::host;
  const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);

  if (const auto resources = ListPeResources(bytes)) {
    for (const auto& resource : *resources) ExpectInside(resource.data, bytes);
  }
  if (const auto resource = FindVersionResource(bytes)) {
    ExpectInside(*resource, bytes);
    if (const auto value = FixedFileInfoOf(*resource)) ExpectInside(*value, *resource);
  }
  // The bytes as a version block themselves.
  if (const auto value = FixedFileInfoOf(bytes)) ExpectInside(*value, bytes);
  return 0;
}
