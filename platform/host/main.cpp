// Process entry of the host build: argv becomes the command line, the
// generated resource table the running module, and WinMain runs as on Windows.
#include "app/win_main.h"
#include "platform/host/machine.h"
#include "platform/host/resource_module.h"

int main(int argc, char** argv) {
  platform::host::SetCommandLineArguments(argc, argv);
  const auto module = platform::host::AsModuleHandle(platform::host::CarriedModule());
  return spwrap::WinMain(module, nullptr, "", 0);
}
