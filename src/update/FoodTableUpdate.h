#pragma once

#include "net/HttpClientOptions.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class CFoodCatalogueMerge;
class CLeanlogApp;

/// What one step of the food table update did.
struct SFoodUpdateStep
{
    bool succeeded = false;   ///< the exchange answered and the merge committed (an empty reply included)
    int added = 0;            ///< categories or items added
};

/// The food table update: asks the feed server (ServerURL) for the
/// categories and the items new since m_strLastFoodCatDlDate and merges
/// them (CFoodCatalogueMerge). Every exchange has its own HttpClient.
/// Never throws: a failed exchange or a database error ends the step with
/// nothing changed and a trace line. UI thread only.
class CFoodTableUpdate
{
public:
    CFoodTableUpdate(CLeanlogApp& app, std::string serverUrl, SHttpClientOptions options);

    SFoodUpdateStep UpdateFoodCategories();
    SFoodUpdateStep UpdateFoodItems();

private:
    /// The reply body of the path with the since date; nullopt when the exchange failed.
    std::optional<std::string> Fetch(std::string_view pathFormat) const;
    /// One step: the exchange, then `merge` of its body; a failed merge changes nothing.
    SFoodUpdateStep RunStep(std::string_view pathFormat, std::string_view what,
                            const std::function<int(CFoodCatalogueMerge&, const std::string&)>& merge);
    void Trace(std::string_view text) const;

    CLeanlogApp& m_app;
    std::string m_serverUrl;
    SHttpClientOptions m_options;
};

inline constexpr std::string_view kNewCategoriesPath = "/leanlog/getnewfoodcatrecs.asp?pastdate=%s";
inline constexpr std::string_view kNewFoodItemsPath = "/leanlog/getnewfooditemrecs.asp?pastdate=%s";
