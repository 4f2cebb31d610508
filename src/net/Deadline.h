#pragma once

#include <chrono>

/// A point on the monotonic clock by which something must happen.
class CDeadline
{
public:
    using Clock = std::chrono::steady_clock;

    explicit CDeadline(std::chrono::milliseconds fromNow) : m_at(Clock::now() + fromNow) {}

    /// Milliseconds left for poll(), rounded up so a wait never ends early; 0 once passed.
    int PollTimeout() const
    {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_at - Clock::now()).count();
        if (left <= 0)
            return 0;
        return left > 0x7fffffff ? 0x7fffffff : static_cast<int>(left);
    }
    bool Passed() const { return Clock::now() >= m_at; }

private:
    Clock::time_point m_at;
};
