#pragma once
// The process's wide command line and the platform's way of splitting it.

namespace platform {

const char16_t* GetCommandLineW();
// Splits by the Windows rules: blanks and tabs separate, double quotes group and
// are removed, backslashes escape only before a quote, the first element is the
// program path. Returns one allocation to be released with LocalFree, or null
// with *count untouched.
char16_t** CommandLineToArgvW(const char16_t* commandLine, int* count);
void LocalFree(void* memory);

}  // namespace platform
