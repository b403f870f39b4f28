#include "app/win_main.h"

#include "app/command_line.h"
#include "app/exit_code.h"
#include "app/run_state.h"
#include "payload/extract.h"

namespace spwrap {

int WinMain(platform::ModuleHandle instance, platform::ModuleHandle /*previousInstance*/,
            const char* /*commandLine*/, int /*showCommand*/) {
  moduleHandle = instance;
  ParseCommandLine();

  if (!runOptions.installMode) {
    // Side modes run in this order whatever the order on the command line.
    if (runOptions.extractRequested && !ExtractPatchPayload(runOptions.extractPath)) {
      RecordExitCode(kExitFailure);
    }
  }
  return static_cast<int>(RunExitCode());
}

}  // namespace spwrap
