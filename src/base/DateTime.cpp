#include "base/DateTime.h"

#include <charconv>
#include <cmath>
#include <ctime>

namespace {

constexpr long long kSecondsPerDay = 86400;

// Days from 1970-01-01 to a proleptic Gregorian civil date (H. Hinnant's algorithm).
constexpr long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

struct SYmd
{
    long long y;
    unsigned m;
    unsigned d;
};

constexpr SYmd CivilFromDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {y + (m <= 2), m, d};
}

constexpr long long kEpochOffset = DaysFromCivil(1899, 12, 30);

bool ParseFixed(std::string_view text, size_t pos, size_t len, int& out)
{
    if (pos + len > text.size())
        return false;
    const char* first = text.data() + pos;
    const char* last = first + len;
    for (const char* p = first; p != last; ++p)
        if (*p < '0' || *p > '9')
            return false;
    return std::from_chars(first, last, out).ptr == last;
}

bool IsRealDate(int y, int m, int d)
{
    if (m < 1 || m > 12 || d < 1 || d > 31)
        return false;
    const SYmd back = CivilFromDays(DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)));
    return back.y == y && back.m == static_cast<unsigned>(m) && back.d == static_cast<unsigned>(d);
}

void AppendNumber(std::string& out, int value, int width)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (value < 0)
        out += '-';
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<size_t>(width) - digits.size(), '0');
    out += digits;
}

} // namespace

CDateTime CDateTime::FromCivil(const SCivilTime& t)
{
    const long long days = DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) - kEpochOffset;
    const long long seconds = t.hour * 3600LL + t.minute * 60LL + t.second;
    return CDateTime(static_cast<double>(days) + static_cast<double>(seconds) / kSecondsPerDay);
}

CDateTime CDateTime::FromDate(int year, int month, int day)
{
    return FromCivil({year, month, day, 0, 0, 0});
}

CDateTime CDateTime::Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FromCivil({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                      local.tm_sec > 59 ? 59 : local.tm_sec});
}

std::optional<CDateTime> CDateTime::ParseIsoDate(std::string_view text)
{
    int y = 0, m = 0, d = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    if (!ParseFixed(text, 0, 4, y) || !ParseFixed(text, 5, 2, m) || !ParseFixed(text, 8, 2, d))
        return std::nullopt;
    if (!IsRealDate(y, m, d))
        return std::nullopt;
    return FromDate(y, m, d);
}

std::optional<CDateTime> CDateTime::ParseStorageText(std::string_view text)
{
    const auto date = ParseIsoDate(text.substr(0, 10));
    if (!date)
        return std::nullopt;
    if (text.size() == 10)
        return date;
    int h = 0, mi = 0, s = 0;
    if (text.size() != 19 || text[10] != ' ' || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    if (!ParseFixed(text, 11, 2, h) || !ParseFixed(text, 14, 2, mi) || !ParseFixed(text, 17, 2, s))
        return std::nullopt;
    if (h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    return CDateTime(date->m_dt + (h * 3600.0 + mi * 60.0 + s) / kSecondsPerDay);
}

SCivilTime CDateTime::Civil() const
{
    long long whole = static_cast<long long>(std::floor(m_dt));
    long long seconds = std::llround((m_dt - static_cast<double>(whole)) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        ++whole;
        seconds -= kSecondsPerDay;
    }
    const SYmd ymd = CivilFromDays(whole + kEpochOffset);
    return {static_cast<int>(ymd.y), static_cast<int>(ymd.m), static_cast<int>(ymd.d),
            static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

std::string CDateTime::Format(std::string_view format) const
{
    const SCivilTime t = Civil();
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        char spec = format[++i];
        const bool noPad = spec == '#' && i + 1 < format.size();
        if (noPad)
            spec = format[++i];
        const int width = noPad ? 1 : 2;
        switch (spec) {
        case 'Y': AppendNumber(out, t.year, 4); break;
        case 'm': AppendNumber(out, t.month, width); break;
        case 'd': AppendNumber(out, t.day, width); break;
        case 'H': AppendNumber(out, t.hour, width); break;
        case 'M': AppendNumber(out, t.minute, width); break;
        case 'S': AppendNumber(out, t.second, width); break;
        case '%': out += '%'; break;
        default:
            out += '%';
            if (noPad)
                out += '#';
            out += spec;
        }
    }
    return out;
}

std::string CDateTime::StorageText() const
{
    return Format("%Y-%m-%d %H:%M:%S");
}

CDateTime CDateTime::DateOnly() const
{
    const SCivilTime t = Civil();
    return FromDate(t.year, t.month, t.day);
}

int WholeDaysBetween(CDateTime from, CDateTime to)
{
    // Rounded to the second first: (a + 3) - a can come out as 2.9999999
    // in doubles, and truncating that would lose a whole day.
    const long long seconds = std::llround((to - from) * kSecondsPerDay);
    return static_cast<int>(seconds / kSecondsPerDay);
}
