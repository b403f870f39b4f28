#pragma once
// Conversions between the logic's UTF-16 and Linux's UTF-8, made only at the
// host layer's edges (file names, environment, standard error). Ill-formed
// input becomes U+FFFD.
#include <string>
#include <string_view>

namespace platform::host {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace platform::host
