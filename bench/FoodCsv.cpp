#include "FoodCsv.h"

#include "app/LeanlogApp.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <vector>

namespace {

std::vector<std::string> SplitCsvLine(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"')
            fields.back().push_back(line[++i]);
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else if (c != '\r')
            fields.back().push_back(c);
    }
    return fields;
}

} // namespace

size_t LoadFoodCsv(CLeanlogApp& app, const std::string& path, size_t count)
{
    std::ifstream in(path);
    std::string line;
    if (!in || !std::getline(in, line))
        return 0;
    std::vector<std::vector<std::string>> rows;
    while (std::getline(in, line))
        if (auto fields = SplitCsvLine(line); fields.size() >= 26)
            rows.push_back(std::move(fields));
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
    return total;
}
