#include "update/FoodFeedReplies.h"

#include "base/LeadingInt.h"
#include "update/Cp1252.h"
#include "update/FeedRecords.h"

#include <charconv>
#include <cmath>

namespace {

std::string_view SkipBlanks(std::string_view field)
{
    size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r')))
        ++i;
    return field.substr(i);
}

} // namespace

double FeedDecimal(std::string_view field)
{
    field = SkipBlanks(field);
    if (!field.empty() && field[0] == '+') {
        field.remove_prefix(1);
        if (!field.empty() && field[0] == '-')
            return 0;   // "+-1" is no number; from_chars would read the "-1"
    }
    double value = 0;
    const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

std::vector<SCategoryRecord> ParseCategoryReply(std::string_view body)
{
    std::vector<SCategoryRecord> out;
    for (const FeedRecord& fields : SplitFeedRecords(body, kCategoryReplyFields)) {
        SCategoryRecord record;
        record.CatCode = Cp1252ToUtf8(fields[0]);
        record.Category = Cp1252ToUtf8(fields[1]);
        out.push_back(std::move(record));
    }
    return out;
}

std::vector<SFoodItemRecord> ParseFoodItemReply(std::string_view body)
{
    std::vector<SFoodItemRecord> out;
    for (const FeedRecord& f : SplitFeedRecords(body, kFoodItemReplyFields)) {
        SFoodItemRecord r;
        r.ItemName = Cp1252ToUtf8(f[0]);
        r.ItemCategoryCode = Cp1252ToUtf8(f[1]);
        // f[2] is read and not used.
        r.ServingSizeCode = LeadingInt(f[3]);
        r.ServingSizeName = Cp1252ToUtf8(f[4]);
        r.ServingSizeAmt = FeedDecimal(f[5]);
        r.ServingSizeUnit = Cp1252ToUtf8(f[6]);
        r.Calories = LeadingInt(f[7]);
        r.FatCalories = LeadingInt(f[8]);
        double* const decimals[] = {&r.FatGrams,   &r.FatGramsPercent, &r.SaturatedFat, &r.SaturatedFatPercent,
                                    &r.PolySatFat, &r.MonoUnsatFat,    &r.Cholesterol,  &r.CholesterolPercent,
                                    &r.Sodium,     &r.SodiumPercent,   &r.Carbs,        &r.CarbsPercent,
                                    &r.Fiber,      &r.FiberPercent,    &r.Sugars,       &r.Protein,
                                    &r.Points};
        for (size_t i = 0; i < std::size(decimals); ++i)
            *decimals[i] = FeedDecimal(f[9 + i]);
        out.push_back(std::move(r));
    }
    return out;
}
