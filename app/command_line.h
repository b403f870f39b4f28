#pragma once
// The command-line scan. No command line is ever rejected: what is not an
// option is ignored.
#include <span>
#include <string_view>

#include "app/run_state.h"

namespace spwrap {

// Reads the process's wide command line, splits it by the platform's rules and
// scans it into runOptions.
void ParseCommandLine();

// Resets options (all but targetListRequested, which is only ever set) and
// scans elements into them; elements[0] is the program's own path.
void ScanCommandLine(std::span<const std::u16string_view> elements, RunOptions& options);

}  // namespace spwrap
