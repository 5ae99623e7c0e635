#pragma once
// The mark of a record imported from the previous generation's file (.cdf, .ddf): the import
// writes it into header field 80, and the data checks judge such a record by the coefficients only.
#include <string_view>

namespace vek {

inline constexpr std::string_view kLegacyOriginMark = "300 KARUM";

}  // namespace vek
