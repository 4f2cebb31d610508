#include "FoodCsv.h"

#include "app/LeanlogApp.h"
#include "base/Csv.h"
#include "base/FileText.h"

#include <algorithm>
#include <map>
#include <vector>

size_t LoadFoodCsv(CLeanlogApp& app, const std::string& path, size_t count)
{
    const auto text = ReadWholeFile(path);
    if (!text)
        return 0;
    std::string error;
    std::vector<std::vector<std::string>> rows;
    for (auto& record : ParseCsv(*text, error))
        if (record.line > 1 && record.fields.size() >= 26)   // line 1 is the header
            rows.push_back(std::move(record.fields));
    if (rows.empty())
        return 0;
    const size_t total = std::max(count, rows.size());

    app.m_categories.clear();
    app.m_foodItems.clear();
    std::map<std::string, CItemCategory*> byCode;
    for (size_t n = 0; n < total; ++n) {
        const auto& f = rows[n % rows.size()];
        auto item = std::make_unique<CFoodItem>();
        item->ItemName = n < rows.size() ? f[0] : f[0] + " #" + std::to_string(n / rows.size() + 1);
        item->ItemCategoryCode = f[1];
        item->ServingSizeCode = std::stoi(f[3]);
        item->ServingSizeName = f[4];
        item->ServingSizeAmt = CutToOneDecimal(std::stod(f[5]));
        item->ServingSizeUnit = f[6];
        item->Calories = std::stoi(f[7]);
        item->FatCalories = std::stoi(f[8]);
        double* values[] = {&item->FatGrams, &item->FatGramsPercent, &item->SaturatedFat, &item->SaturatedFatPercent,
                            &item->PolySatFat, &item->MonoUnsatFat, &item->Cholesterol, &item->CholesterolPercent,
                            &item->Sodium, &item->SodiumPercent, &item->Carbs, &item->CarbsPercent, &item->Fiber,
                            &item->FiberPercent, &item->Sugars, &item->Protein, &item->Points};
        for (size_t v = 0; v < std::size(values); ++v)
            *values[v] = CutToOneDecimal(std::stod(f[9 + v]));
        auto& category = byCode[f[1]];
        if (!category) {
            category = app.m_categories.emplace_back(std::make_unique<CItemCategory>()).get();
            category->ID = static_cast<int>(app.m_categories.size());
            category->CatCode = f[1];
            category->Category = f[2];
        }
        item->m_pCategory = category;
        item->ID = static_cast<int>(n + 1);
        app.m_foodItems.push_back(std::move(item));
    }
    std::stable_sort(app.m_foodItems.begin(), app.m_foodItems.end(),
                     [](const auto& a, const auto& b) { return ComesBefore(*a, *b); });
    for (const auto& item : app.m_foodItems)
        item->m_pCategory->m_items.push_back(item.get());
    app.IndexFoods();
    return total;
}
