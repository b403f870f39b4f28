#pragma once
// The process's exit value, in the Windows Installer codes that deployment
// tools read. Several outcomes in one run combine: a failure beats "no target",
// which beats "restart needed", which beats success; among equals the first
// one recorded stays.
#include <cstdint>

namespace spwrap {

inline constexpr std::uint32_t kExitSuccess = 0;
// Patched; the installer needs a restart to finish (ERROR_SUCCESS_REBOOT_REQUIRED).
inline constexpr std::uint32_t kExitRestartRequired = 3010;
// Patched; the installer has started a restart (ERROR_SUCCESS_REBOOT_INITIATED).
inline constexpr std::uint32_t kExitRestartInitiated = 1641;
// No target product present, or one at a version the patch does not apply to
// (ERROR_PATCH_TARGET_NOT_FOUND).
inline constexpr std::uint32_t kExitTargetNotFound = 1642;
// Any failure of the program's own (ERROR_INSTALL_FAILURE). Failures of the
// installer service keep the installer's own code.
inline constexpr std::uint32_t kExitFailure = 1603;

// Adds an outcome to the run's exit value.
void RecordExitCode(std::uint32_t code);
// The exit value of the outcomes recorded so far; kExitSuccess when none.
std::uint32_t RunExitCode();
// Forgets every recorded outcome.
void ResetExitCode();

}  // namespace spwrap
