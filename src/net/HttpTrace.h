#pragma once

#include <functional>
#include <string_view>

/// Receives the HTTP client's trace texts, on the thread running the exchange.
using HttpTraceHook = std::function<void(std::string_view text)>;

/// Writes the texts to standard error when the environment has
/// LEANLOG_TRACE=1 (read when the hook is made), otherwise discards them.
HttpTraceHook DefaultHttpTraceHook();
