#include "reports/DurationText.h"

#include "base/StrPrintf.h"

std::string DurationText(int days)
{
    if (days <= 1)
        return "1 day";
    if (days < 7)
        return StrPrintf("%d days", days);
    if (days == 7)
        return "1 week";
    if (days < 14)
        return StrPrintf("1 week %d days", days % 7);   // "1 week 1 days": the wording stays as it always was
    if (days % 7 == 0)
        return StrPrintf("%d weeks", days / 7);
    return StrPrintf("%d weeks %d days", days / 7, days % 7);
}
