#include "app/DayExport.h"

#include "app/LeanlogApp.h"
#include "base/Csv.h"
#include "base/StrPrintf.h"
#include "store/DailyInfoRS.h"



namespace {

std::vector<std::string> HeaderFields()
{
    std::vector<std::string> fields{"diet", "date", "day", "weight", "steps", "carbs", "protein day"};
    for (const auto& position : kMealPositions) {
        if (position.slot < 0) {
            fields.emplace_back(position.column);
            continue;
        }
        for (const char* part : {" item", " size", " carbs"})
            fields.push_back(std::string(position.column) + part);
    }
    return fields;
}

std::string DayRow(const std::string& diet, const CDailyInfo& day, const CDailyInfo& first)
{
    std::vector<std::string> fields{CsvField(diet),
                                    day.date.Format("%Y-%m-%d"),
                                    CsvTextField(day.GetDayLabel(first)),
                                    StrPrintf("%g", day.weight),
                                    StrPrintf("%d", day.steps),
                                    StrPrintf("%d", day.carbs),
                                    day.isProteinDay ? "1" : "0"};
    for (const auto& position : kMealPositions) {
        if (position.slot < 0) {
            fields.emplace_back(day.Supplement(position.meal) ? "1" : "0");
            continue;
        }
        const MealSlot& slot = day.slots[static_cast<size_t>(position.slot)];
        fields.push_back(CsvTextField(slot.item));
        fields.push_back(CsvTextField(slot.size));
        fields.push_back(StrPrintf("%d", slot.carbs));
    }
    return CsvRow(fields);
}

CDayList ReadDiet(CDatabase& db, const std::string& table)
{
    CDayList days;
    CDailyInfoRS rs(db);
    rs.m_strTableName = table;
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext())
        days.push_back(std::make_unique<CDailyInfo>(CDailyInfo::CopyFromRecordset(rs)));
    return days;
}

void AppendDiet(std::string& csv, const std::string& table, const CDayList& days)
{
    for (const auto& day : days)
        csv += DayRow(table, *day, *days.front());
}

} // namespace

std::string ExportDaysCsv(CLeanlogApp& app, bool allDiets)
{
    std::string csv = CsvRow(HeaderFields());
    if (allDiets && app.m_db)
        for (const auto& table : app.m_pastDietTables)
            AppendDiet(csv, table, ReadDiet(*app.m_db, table));
    AppendDiet(csv, app.m_strDietTable, app.m_days);
    return csv;
}
