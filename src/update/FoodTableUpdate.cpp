#include "update/FoodTableUpdate.h"

#include "app/LeanlogApp.h"
#include "net/HttpGet.h"
#include "update/FoodCatalogueMerge.h"
#include "update/FoodFeedReplies.h"

namespace {

/// ServerURL and a request path; the since date goes in unescaped.
std::string RequestUrl(std::string_view serverUrl, std::string_view pathFormat, std::string_view sinceDate)
{
    std::string path(pathFormat);
    path.replace(path.find("%s"), 2, sinceDate);
    return ServerPathUrl(serverUrl, path);
}

} // namespace

CFoodTableUpdate::CFoodTableUpdate(CLeanlogApp& app, std::string serverUrl, SHttpClientOptions options)
    : m_app(app), m_serverUrl(std::move(serverUrl)), m_options(std::move(options))
{
}

std::optional<std::string> CFoodTableUpdate::Fetch(std::string_view pathFormat) const
{
    const std::string url = RequestUrl(m_serverUrl, pathFormat, m_app.m_strLastFoodCatDlDate);
    SHttpGetResult got = HttpGet(url, m_options);
    if (got.result != kHttpOk) {
        Trace("food table update: " + url + " failed (" + std::to_string(got.result) + "): " + got.failure);
        return std::nullopt;
    }
    return std::move(got.body);
}

SFoodUpdateStep CFoodTableUpdate::UpdateFoodCategories()
{
    return RunStep(kNewCategoriesPath, "categories", [](CFoodCatalogueMerge& merge, const std::string& body) {
        return merge.MergeCategories(ParseCategoryReply(body));
    });
}

SFoodUpdateStep CFoodTableUpdate::UpdateFoodItems()
{
    return RunStep(kNewFoodItemsPath, "items", [](CFoodCatalogueMerge& merge, const std::string& body) {
        return merge.MergeFoodItems(ParseFoodItemReply(body));
    });
}

SFoodUpdateStep CFoodTableUpdate::RunStep(std::string_view pathFormat, std::string_view what,
                                          const std::function<int(CFoodCatalogueMerge&, const std::string&)>& merge)
{
    const auto body = Fetch(pathFormat);
    if (!body || !m_app.m_db)
        return {};
    try {
        CFoodCatalogueMerge merger(m_app);
        return {true, merge(merger, *body)};
    } catch (const std::exception& e) {
        Trace("food table update: " + std::string(what) + " not merged, nothing changed: " + e.what());
        return {};
    }
}

void CFoodTableUpdate::Trace(std::string_view text) const
{
    if (m_options.trace)
        m_options.trace(text);
}
