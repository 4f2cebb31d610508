#pragma once

#include "app/DataFolder.h"

#include <functional>
#include <string>
#include <thread>

/// How a second desktop program on the same data folder reaches the
/// running one: a local socket named after the folder (Linux's abstract
/// namespace, so nothing is left on disk). The running program listens;
/// the second asks it to come to the front and ends.
class CInstanceChannel
{
public:
    /// Listens for the folder; `onRaise` runs on the channel's own thread
    /// for every request. Listening fails quietly (a second program then
    /// only says that Leanlog is running).
    CInstanceChannel(const CDataFolder& folder, std::function<void()> onRaise);
    ~CInstanceChannel();
    CInstanceChannel(const CInstanceChannel&) = delete;
    CInstanceChannel& operator=(const CInstanceChannel&) = delete;

    bool Listening() const { return m_listenFd >= 0; }

    /// Asks the program that listens for `folder` to come to the front;
    /// false when none answered.
    static bool AskToRaise(const CDataFolder& folder);

private:
    void Run();

    std::function<void()> m_onRaise;
    int m_listenFd = -1;
    int m_stopPipe[2] = {-1, -1};
    std::thread m_thread;
};
