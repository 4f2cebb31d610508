#pragma once

#include <optional>
#include <string_view>

/// A typed number read as C's atoi reads it: leading blanks, an optional
/// sign, then the leading digits; 0 when there are none. "182.6" is 182.
/// Values beyond the 32-bit range are clamped.
int LeadingInt(std::string_view text);

inline constexpr double kMaxWeight = 1000;      ///< pounds
inline constexpr int kMaxSteps = 200000;
inline constexpr int kMaxSlotCarbs = 99999;     ///< keeps the status advice's 5000 and 10000 reachable

/// A typed weight: blank means no weight (0); otherwise a plain decimal
/// number from 0 to kMaxWeight, cut to the whole pound. nullopt when the
/// text is anything else ("abc", "-5", "1e9", "201abc").
std::optional<int> ParseWeightText(std::string_view text);
/// Typed steps: blank means 0; otherwise a whole number from 0 to kMaxSteps.
std::optional<int> ParseStepsText(std::string_view text);
