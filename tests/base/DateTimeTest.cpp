#include "base/DateTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

/// Sets TZ for one test and restores it afterwards.
class CScopedTimeZone
{
public:
    explicit CScopedTimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~CScopedTimeZone()
    {
        if (m_old.empty())
            unsetenv("TZ");
        else
            setenv("TZ", m_old.c_str(), 1);
        tzset();
    }

private:
    std::string m_old;
};

} // namespace

TEST(DateTime, CountsDaysFromTheOleEpoch)
{
    EXPECT_EQ(CDateTime::FromDate(1899, 12, 30).Days(), 0.0);
    EXPECT_EQ(CDateTime::FromDate(1900, 1, 1).Days(), 2.0);
    // 2006-01-15 is serial 38732 in every spreadsheet that uses this epoch.
    EXPECT_EQ(CDateTime::FromDate(2006, 1, 15).Days(), 38732.0);
    EXPECT_DOUBLE_EQ(CDateTime::FromCivil({2006, 1, 15, 18, 0, 0}).Days(), 38732.75);
}

TEST(DateTime, CivilFieldsRoundTrip)
{
    const SCivilTime cases[] = {
        {2000, 2, 29, 0, 0, 0},     // leap day of a century leap year
        {2026, 12, 31, 23, 59, 59}, // last second of a year
        {1999, 3, 28, 2, 30, 0},    // a time that does not exist in Europe that night
        {2024, 10, 27, 2, 30, 0},   // a time that exists twice in Europe
    };
    for (const auto& t : cases) {
        const SCivilTime back = CDateTime::FromCivil(t).Civil();
        EXPECT_EQ(back.year, t.year);
        EXPECT_EQ(back.month, t.month);
        EXPECT_EQ(back.day, t.day);
        EXPECT_EQ(back.hour, t.hour);
        EXPECT_EQ(back.minute, t.minute);
        EXPECT_EQ(back.second, t.second);
    }
}

TEST(DateTime, FormatsAsDesigned)
{
    const CDateTime d = CDateTime::FromCivil({2005, 3, 7, 9, 5, 3});
    EXPECT_EQ(d.Format("%m/%d/%Y"), "03/07/2005");
    EXPECT_EQ(d.Format("LnLg_%Y_%#m_%#d"), "LnLg_2005_3_7");
    EXPECT_EQ(CDateTime::FromDate(2006, 11, 25).Format("LnLg_%Y_%#m_%#d"), "LnLg_2006_11_25");
    EXPECT_EQ(d.StorageText(), "2005-03-07 09:05:03");
    EXPECT_EQ(d.Format("100%% %q"), "100% %q");
}

TEST(DateTime, ParsesOnlyRealDates)
{
    struct
    {
        const char* text;
        bool valid;
    } cases[] = {
        {"2026-02-28", true},  {"2024-02-29", true},  {"2026-02-29", false}, {"2026-13-01", false},
        {"2026-00-10", false}, {"2026-04-31", false}, {"26-04-01", false},   {"2026-4-01", false},
        {"2026-04-0a", false}, {"", false},           {"2026-04-01x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CDateTime::ParseIsoDate(c.text).has_value(), c.valid) << c.text;

    const auto stored = CDateTime::ParseStorageText("2026-04-01 13:45:10");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->StorageText(), "2026-04-01 13:45:10");
    EXPECT_FALSE(CDateTime::ParseStorageText("2026-04-01 24:00:00"));
    EXPECT_EQ(CDateTime::ParseStorageText("2026-04-01")->StorageText(), "2026-04-01 00:00:00");
}

TEST(DateTime, WholeDaysAreTruncated)
{
    const CDateTime first = CDateTime::FromCivil({2026, 1, 1, 8, 0, 0});
    EXPECT_EQ(WholeDaysBetween(first, CDateTime(first.Days() + 2.9)), 2);
    EXPECT_EQ(WholeDaysBetween(first, CDateTime(first.Days() + 0.999)), 0);
    EXPECT_EQ(WholeDaysBetween(first, CDateTime(first.Days() - 1.5)), -1);
}

TEST(DateTime, AddingDaysNeverLosesOneToRounding)
{
    // Times of day whose fractions are not exact in binary.
    for (int second = 0; second < 86400; second += 997) {
        const CDateTime start = CDateTime::FromCivil({2026, 5, 1, second / 3600, second / 60 % 60, second % 60});
        for (int days = 1; days < 400; days += 37)
            ASSERT_EQ(WholeDaysBetween(start, start.AddDays(days)), days) << second << " " << days;
    }
}

TEST(DateTime, DaylightSavingChangeKeepsWholeDays)
{
    const CScopedTimeZone berlin("Europe/Berlin");
    // 2026-03-29 has 23 hours in Berlin; calendar days still count as one each.
    const CDateTime before = CDateTime::FromCivil({2026, 3, 28, 9, 0, 0});
    const CDateTime after = CDateTime::FromCivil({2026, 3, 30, 8, 30, 0});
    EXPECT_EQ(WholeDaysBetween(before, after), 1);
    EXPECT_EQ(WholeDaysBetween(before, CDateTime::FromCivil({2026, 3, 30, 9, 0, 0})), 2);
    // And across the autumn change (a 25-hour day).
    EXPECT_EQ(WholeDaysBetween(CDateTime::FromDate(2026, 10, 24), CDateTime::FromDate(2026, 10, 26)), 2);
}

TEST(DateTime, NowIsTheLocalWallClock)
{
    const CScopedTimeZone zone("America/New_York");
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    const SCivilTime now = CDateTime::Now().Civil();
    EXPECT_EQ(now.year, local.tm_year + 1900);
    EXPECT_EQ(now.month, local.tm_mon + 1);
    EXPECT_EQ(now.day, local.tm_mday);
    EXPECT_EQ(now.hour, local.tm_hour);
}
