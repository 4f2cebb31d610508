#pragma once

#include <compare>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

/// Broken-down local calendar time.
struct SCivilTime
{
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

/// A local calendar date-time held as days since 1899-12-30 00:00 (the
/// fraction is the time of day). Differences are taken on the calendar
/// values themselves, never through time_t, so a daylight-saving change
/// cannot turn a day into 23 hours.
class CDateTime
{
public:
    constexpr CDateTime() = default;
    constexpr explicit CDateTime(double days) : m_dt(days) {}

    static CDateTime FromCivil(const SCivilTime& t);
    static CDateTime FromDate(int year, int month, int day);
    /// The local clock now, to the whole second.
    static CDateTime Now();
    /// "YYYY-MM-DD"; nullopt when malformed or not a real date.
    static std::optional<CDateTime> ParseIsoDate(std::string_view text);
    /// "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DD", as the database stores dates.
    static std::optional<CDateTime> ParseStorageText(std::string_view text);

    constexpr double Days() const { return m_dt; }
    SCivilTime Civil() const;
    /// strftime-like: %Y %m %d %H %M %S %%, and %#m %#d without leading zeros.
    std::string Format(std::string_view format) const;
    /// "YYYY-MM-DD HH:MM:SS", the database's text form.
    std::string StorageText() const;

    CDateTime AddDays(int days) const { return CDateTime(m_dt + days); }
    /// The same calendar day at 00:00.
    CDateTime DateOnly() const;

    friend constexpr double operator-(CDateTime a, CDateTime b) { return a.m_dt - b.m_dt; }
    friend constexpr auto operator<=>(CDateTime a, CDateTime b) = default;

private:
    double m_dt = 0.0;
};

/// Whole days from `from` to `to`, truncated toward zero (2.9 days is 2).
int WholeDaysBetween(CDateTime from, CDateTime to);

/// Source of "now"; injectable so that tests can fix the clock.
using ClockFn = std::function<CDateTime()>;
