#pragma once

#include "support/TestDiet.h"

#include <gtest/gtest.h>

/// A first diet begun 2026-01-01 with goal 150 in a fresh data folder.
class CDietTest : public testing::Test
{
protected:
    /// Appends an unsaved day `dayNumber` days after the first.
    CDailyInfo& AddDay(int dayNumber, int weight = 180)
    {
        return *m_app->m_days.emplace_back(
            std::make_unique<CDailyInfo>(CDateTime::FromDate(2026, 1, 1).AddDays(dayNumber), weight, 0));
    }

    CTempDataDir m_dir;
    std::unique_ptr<CLeanlogApp> m_app = StartFirstDiet(m_dir, Answers(2026, 1, 1, 150));
};
