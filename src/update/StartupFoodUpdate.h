#pragma once

#include "base/DateTime.h"
#include "update/FoodTableUpdate.h"

class CLeanlogApp;

/// What start-up's food table update did.
struct SStartupFoodUpdate
{
    bool online = false;
    SFoodUpdateStep categories;
    SFoodUpdateStep items;
};

/// Start-up's food table steps: keeps LastFoodCatDlDate as it stood in
/// m_strLastFoodCatDlDate, sets m_bOnline, and when online runs both steps
/// of the update against ServerURL. The stored date moves to `today`
/// ("%m/%d/%Y") only when both steps succeeded, so an offline start or a
/// failed exchange asks again next time for what it missed. Never throws
/// on network or database failures. UI thread only.
SStartupFoodUpdate UpdateFoodTableAtStart(CLeanlogApp& app, CDateTime today);
