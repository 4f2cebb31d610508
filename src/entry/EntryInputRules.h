#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the day entry windows accept. Each refusal names the field and its
// range; the window keeps the dialog open with the focus on that field.

inline constexpr int kMaxWeight = 1000;      ///< pounds
inline constexpr int kMaxSteps = 200000;
inline constexpr int kMaxSlotCarbs = 99999;  ///< keeps the status advice's 5000 and 10000 reachable

/// A typed weight: blank means no weight (0); otherwise a plain decimal
/// number from 0 to kMaxWeight, cut to the whole pound. nullopt when the
/// text is anything else ("abc", "-5", "1e9", "201abc", "inf").
std::optional<int> ParseWeightText(std::string_view text);
/// A plain decimal number ("12", "12.5", ".5", "12."), blanks around it
/// allowed; nullopt for anything else, "inf", "nan", signs and exponents included.
std::optional<double> ParseDecimal(std::string_view text);
/// A whole number from 0 to `max`, blanks around it allowed; nullopt for anything else.
std::optional<int> ParseWholeNumber(std::string_view text, int max);
/// Typed steps: blank means 0; otherwise a whole number from 0 to kMaxSteps.
std::optional<int> ParseStepsText(std::string_view text);

enum class EDayField { Weight, Steps };

struct SDayEntryError
{
    EDayField field;
    std::string message;
};

/// Weight: empty (a day without a weight) or a number from 0 to 1000, a
/// fraction being cut to the whole pound; steps: a whole number from 0 to
/// 200000.
std::optional<SDayEntryError> ValidateDayEntry(std::string_view weight, std::string_view steps);
/// A slot's carbs: a whole number from 0 to 99999.
std::optional<std::string> ValidateSlotCarbs(std::string_view carbs);
/// The weight text as it will be stored and shown again ("182.6" gives
/// "182.00"); the text itself when it is not a valid weight.
std::string StoredWeightText(std::string_view weight);
