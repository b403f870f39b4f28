#pragma once
// The run state that the command line sets, and the module handle that every
// access to the executable's own resources goes through. Both are process-wide
// and live for the whole run.
#include <string>

#include "platform/types.h"

namespace spwrap {

struct RunOptions {
  bool installMode = false;
  bool quiet = false;  // "/q": no numbered message is shown
  bool extractRequested = false;
  std::u16string extractPath;  // the element after "/e"; empty when none followed
  bool patchListRequested = false;
  std::u16string patchListPath;  // the element after "/p"; empty when none followed
  bool targetListRequested = false;

  friend bool operator==(const RunOptions&, const RunOptions&) = default;
};

extern RunOptions runOptions;
extern platform::ModuleHandle moduleHandle;

}  // namespace spwrap
