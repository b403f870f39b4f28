// Process entry of the Windows build: the platform's WinMain hands over to the
// program's.
#include "app/win_main.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand) {
  return spwrap::WinMain(reinterpret_cast<platform::ModuleHandle>(instance),
                         reinterpret_cast<platform::ModuleHandle>(previousInstance), commandLine,
                         showCommand);
}
