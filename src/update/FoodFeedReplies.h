#pragma once

#include "store/FoodItem.h"
#include "store/FoodRecordsets.h"

#include <cstdint>
#include <string_view>
#include <vector>

/// Fields of one record of the category reply and of the item reply.
inline constexpr std::size_t kCategoryReplyFields = 2;
inline constexpr std::size_t kFoodItemReplyFields = 26;

/// The complete records of a category reply (code, name), texts converted
/// from code page 1252 to UTF-8. Keys and other columns are left at 0.
/// Never throws beyond allocation.
std::vector<SCategoryRecord> ParseCategoryReply(std::string_view body);

/// The complete records of an item reply, in the field order of the
/// LnLg_FoodItem columns with one unused field third; texts converted from
/// code page 1252 to UTF-8, numbers read as the C library's atol and atof
/// read them. ID, PalmID and wAttribs are left at 0.
std::vector<SFoodItemRecord> ParseFoodItemReply(std::string_view body);

/// A decimal number after leading blanks, as atof reads it but without
/// regard to the locale; 0 when there is none or it is not finite.
double FeedDecimal(std::string_view field);
