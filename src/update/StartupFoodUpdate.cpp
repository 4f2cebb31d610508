#include "update/StartupFoodUpdate.h"

#include "app/LeanlogApp.h"
#include "net/OnlineTest.h"

SStartupFoodUpdate UpdateFoodTableAtStart(CLeanlogApp& app, CDateTime today)
{
    CSettings& settings = app.Settings();
    app.m_strLastFoodCatDlDate = settings.Get(kLastFoodCatDlDateSetting);
    const std::string server = settings.Get(kServerUrlSetting);
    SStartupFoodUpdate result;
    result.online = IsOnline(server);
    app.m_bOnline = result.online;
    if (!result.online)
        return result;
    CFoodTableUpdate update(app, server, HttpClientOptionsFrom(settings));
    result.categories = update.UpdateFoodCategories();
    result.items = update.UpdateFoodItems();
    if (result.categories.succeeded && result.items.succeeded)
        settings.Set(kLastFoodCatDlDateSetting, today.Format("%m/%d/%Y"));
    return result;
}
