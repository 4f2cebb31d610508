#include "base/DateTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <tuple>

namespace {

/// Sets TZ for one test and restores it afterwards.
class CScopedTimeZone
{
public:
    explicit CScopedTimeZone(const char* zone) : m_old(std::getenv("TZ") ? std::getenv("TZ") : "") { Set(zone); }
    ~CScopedTimeZone() { Set(m_old.empty() ? nullptr : m_old.c_str()); }

private:
    static void Set(const char* zone) { (zone ? setenv("TZ", zone, 1) : unsetenv("TZ")), tzset(); }
    std::string m_old;
};

} // namespace

TEST(DateTime, CountsDaysFromTheOleEpoch)
{
    EXPECT_EQ(CDateTime::FromDate(1899, 12, 30).Days(), 0.0);
    EXPECT_EQ(CDateTime::FromDate(1900, 1, 1).Days(), 2.0);
    EXPECT_EQ(CDateTime::FromDate(2006, 1, 15).Days(), 38732.0);   // the serial spreadsheets give it
    EXPECT_DOUBLE_EQ(CDateTime::FromCivil({2006, 1, 15, 18, 0, 0}).Days(), 38732.75);
}

TEST(DateTime, CivilFieldsRoundTripAndFormat)
{
    const std::pair<SCivilTime, const char*> cases[] = {
        {{2000, 2, 29, 0, 0, 0}, "2000-02-29 00:00:00"},       // leap day of a century leap year
        {{2026, 12, 31, 23, 59, 59}, "2026-12-31 23:59:59"},   // last second of a year
        {{1999, 3, 28, 2, 30, 0}, "1999-03-28 02:30:00"},      // does not exist in Europe that night
        {{2024, 10, 27, 2, 30, 0}, "2024-10-27 02:30:00"},     // exists twice in Europe
    };
    for (const auto& [civil, text] : cases)
        EXPECT_EQ(CDateTime::FromCivil(civil).StorageText(), text);

    const CDateTime d = CDateTime::FromCivil({2005, 3, 7, 9, 5, 3});
    EXPECT_EQ(d.Format("%m/%d/%Y"), "03/07/2005");
    EXPECT_EQ(d.Format("LnLg_%Y_%#m_%#d"), "LnLg_2005_3_7");
    EXPECT_EQ(CDateTime::FromDate(2006, 11, 25).Format("LnLg_%Y_%#m_%#d"), "LnLg_2006_11_25");
    EXPECT_EQ(d.Format("100%% %q"), "100% %q");
}

TEST(DateTime, ParsesOnlyRealDates)
{
    const std::pair<const char*, bool> cases[] = {
        {"2026-02-28", true},  {"2024-02-29", true},  {"2026-02-29", false}, {"2026-13-01", false},
        {"2026-00-10", false}, {"2026-04-31", false}, {"26-04-01", false},   {"2026-4-01", false},
        {"2026-04-0a", false}, {"", false},           {"2026-04-01x", false},
    };
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(CDateTime::ParseIsoDate(text).has_value(), valid) << text;

    EXPECT_EQ(CDateTime::ParseStorageText("2026-04-01 13:45:10")->StorageText(), "2026-04-01 13:45:10");
    EXPECT_FALSE(CDateTime::ParseStorageText("2026-04-01 24:00:00"));
    EXPECT_EQ(CDateTime::ParseStorageText("2026-04-01")->StorageText(), "2026-04-01 00:00:00");
}

TEST(DateTime, WholeDaysAreTruncatedButNeverLostToRounding)
{
    const CDateTime first = CDateTime::FromCivil({2026, 1, 1, 8, 0, 0});
    EXPECT_EQ(WholeDaysBetween(first, CDateTime(first.Days() + 2.9)), 2);
    EXPECT_EQ(WholeDaysBetween(first, CDateTime(first.Days() + 0.999)), 0);
    EXPECT_EQ(WholeDaysBetween(first, CDateTime(first.Days() - 1.5)), -1);   // toward zero
    // The same time of day on a later date, across 1989-09-17 where the
    // day serial passes 32768 and loses a bit of precision: the difference
    // may fall a hair short of whole days.
    for (int second = 0; second < 86400; second += 997)
        for (int days = 1; days < 400; days += 37) {
            const SCivilTime t{1989, 5, 1, second / 3600, second / 60 % 60, second % 60};
            SCivilTime later = t;
            later.day += days;
            ASSERT_EQ(WholeDaysBetween(CDateTime::FromCivil(t), CDateTime::FromCivil(later)), days) << second;
            ASSERT_EQ(WholeDaysBetween(CDateTime::FromCivil(t), CDateTime::FromCivil(t).AddDays(days)), days);
        }
}

TEST(DateTime, DaylightSavingChangeKeepsWholeDays)
{
    const CScopedTimeZone berlin("Europe/Berlin");
    // 2026-03-29 has 23 hours in Berlin, 2026-10-25 has 25; calendar days still count one each.
    const CDateTime before = CDateTime::FromCivil({2026, 3, 28, 9, 0, 0});
    EXPECT_EQ(WholeDaysBetween(before, CDateTime::FromCivil({2026, 3, 30, 8, 30, 0})), 1);
    EXPECT_EQ(WholeDaysBetween(before, CDateTime::FromCivil({2026, 3, 30, 9, 0, 0})), 2);
    EXPECT_EQ(WholeDaysBetween(CDateTime::FromDate(2026, 10, 24), CDateTime::FromDate(2026, 10, 26)), 2);
}

TEST(DateTime, NowIsTheLocalWallClock)
{
    const CScopedTimeZone zone("America/New_York");
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    const SCivilTime now = CDateTime::Now().Civil();
    EXPECT_EQ(std::make_tuple(now.year, now.month, now.day, now.hour),
              std::make_tuple(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour));
}
