#pragma once
// The program's entry, called once by the platform's process start-up.
#include "platform/types.h"

namespace spwrap {

// Records the module handle, scans the command line and runs the install mode
// or the requested side modes in their fixed order. Returns the exit value.
int WinMain(platform::ModuleHandle instance, platform::ModuleHandle previousInstance, const char* commandLine,
            int showCommand);

}  // namespace spwrap
