#include "app/exit_code.h"

namespace spwrap {

namespace {

std::uint32_t runExitCode = kExitSuccess;

int Severity(std::uint32_t code) {
  switch (code) {
    case kExitSuccess:
      return 0;
    case kExitRestartRequired:
    case kExitRestartInitiated:
      return 1;
    case kExitTargetNotFound:
      return 2;
    default:
      return 3;
  }
}

}  // namespace

void RecordExitCode(std::uint32_t code) {
  if (Severity(code) > Severity(runExitCode)) runExitCode = code;
}

std::uint32_t RunExitCode() { return runExitCode; }

void ResetExitCode() { runExitCode = kExitSuccess; }

}  // namespace spwrap
