#pragma once
// Portable stand-ins for the Windows handle types. Each handle kind is its own
// pointer type so that a file handle cannot be passed where a module is meant.
//
// The platform headers spell constants as Windows does. A win32/ source must
// include these headers before <windows.h>, whose macros of the same names
// would otherwise rewrite the declarations below.
#include <cstdint>

namespace platform {

struct ModuleObject;
using ModuleHandle = ModuleObject*;  // HMODULE: the running executable

struct ResourceInfoObject;
using ResourceHandle = ResourceInfoObject*;  // HRSRC: a found resource

struct ResourceDataObject;
using ResourceDataHandle = ResourceDataObject*;  // HGLOBAL of a loaded resource

struct FileObject;
using FileHandle = FileObject*;  // HANDLE of an open file

}  // namespace platform
