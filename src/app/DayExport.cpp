#include "app/DayExport.h"

#include "app/LeanlogApp.h"
#include "base/Csv.h"
#include "base/StrPrintf.h"
#include "store/DailyInfoRS.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

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

void WriteFileAtomically(const std::string& path, const std::string& text)
{
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw std::runtime_error("Cannot write " + path + ": " + std::strerror(errno));
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += static_cast<size_t>(n);
    }
    const bool ok = written == text.size() && ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int cause = ok ? errno : error;
        ::unlink(temp.c_str());
        throw std::runtime_error("Cannot write " + path + ": " + std::strerror(cause) + "; nothing was written there.");
    }
}
