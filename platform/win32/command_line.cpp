#include "platform/command_line.h"
#include "platform/win32/wide.h"

#include <windows.h>
#include <shellapi.h>

namespace platform {

const char16_t* GetCommandLineW() { return reinterpret_cast<const char16_t*>(::GetCommandLineW()); }

char16_t** CommandLineToArgvW(const char16_t* commandLine, int* count) {
  return reinterpret_cast<char16_t**>(::CommandLineToArgvW(win32::Wide(commandLine), count));
}

void LocalFree(void* memory) { ::LocalFree(memory); }

}  // namespace platform
