#pragma once
// Writing the carried patch package to a file, the only way the installer
// service can read or apply it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/scoped_handle.h"

namespace spwrap {

// Numbering of temporary names: one counter for the whole run, so a second
// name in the same run starts above the first.
struct TempNameCounter {
  std::uint32_t value = 1;
  std::size_t previousPrefixLength = 0;
};
extern TempNameCounter tempNameCounter;

struct TempFile {
  std::u16string path;
  // The file, created empty under path. Not valid when creating it failed for a
  // reason other than the name being taken; path is the name all the same.
  platform::ScopedFile file;
};

// Chooses a folder (TMP, TMP without its double quotes, folder, the root of the
// current drive, "."), then the first free name prefix + number there,
// numbering on from counter. The name is reserved by creating the file
// exclusively, so no other process can put a file or a link there before it is
// written. Nothing when the name would be too long or 32,767 numbers were taken.
std::optional<TempFile> MakeTempFileName(std::u16string_view folder, std::u16string_view prefix,
                                         TempNameCounter& counter);

// Writes the carried package byte for byte to path, or, when path is empty, to
// a new temporary file whose name it stores in path (kept there whatever
// happens next). True when every byte was written; shows nothing.
bool ExtractPatchPayload(std::u16string& path);

}  // namespace spwrap
