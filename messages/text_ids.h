#pragma once
// Ids of the numbered texts in the executable's string table.
#include <cstdint>

namespace spwrap {

inline constexpr std::uint32_t IDS_ERR_INSTALL_FAILED = 300;
inline constexpr std::uint32_t IDS_INSTALL_SUCCEEDED = 301;
inline constexpr std::uint32_t IDS_UP_TO_DATE = 306;
inline constexpr std::uint32_t IDS_ERR_PRODUCT_NOT_FOUND = 307;
inline constexpr std::uint32_t IDS_ERR_WRONG_VERSION = 308;
// Carried in every language but never reported: no command line is rejected.
inline constexpr std::uint32_t IDS_ERR_BAD_COMMAND_LINE = 309;
inline constexpr std::uint32_t IDS_ERR_NO_PATCH_LIST = 310;
inline constexpr std::uint32_t IDS_CAPTION_ERROR = 311;
inline constexpr std::uint32_t IDS_CAPTION_SUCCESS = 312;
inline constexpr std::uint32_t IDS_CAPTION_UNNECESSARY = 313;

// Not messages: the version a patched product has, and the versions the patch
// applies to, each followed by a comma. Carried in English only.
inline constexpr std::uint32_t IDS_TARGET_VERSION = 700;
inline constexpr std::uint32_t IDS_BASE_VERSIONS = 900;

}  // namespace spwrap
