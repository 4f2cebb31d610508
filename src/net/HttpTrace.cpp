#include "net/HttpTrace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

HttpTraceHook DefaultHttpTraceHook()
{
    const char* flag = std::getenv("LEANLOG_TRACE");
    if (!flag || std::strcmp(flag, "1") != 0)
        return {};
    return [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); };
}
