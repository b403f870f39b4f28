#include "app/run_state.h"

namespace spwrap {

RunOptions runOptions;
platform::ModuleHandle moduleHandle = nullptr;

}  // namespace spwrap
