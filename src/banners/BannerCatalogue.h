#pragma once

#include "net/HttpClientOptions.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

class CSettings;
class CChannel;

/// One sponsor banner of a channel. Owned by its channel; guarded by the
/// catalogue's lock.
class CBanner
{
public:
    CChannel* m_pChannel = nullptr;
    std::int32_t m_nIndex = 0;
    bool m_bPresent = false;                 ///< scratch mark while a channel's list is merged
    std::string m_strID;
    std::string m_strName;                   ///< empty while not downloaded
    std::string m_strBanner;                 ///< image reference placed in the bar page
    std::string m_strDestURL;
    std::string m_strPopupPageURL;
    std::string m_strBarURL;
    std::string m_strExpiry;                 ///< as sent, not evaluated
    std::int32_t m_nDuration = 30;           ///< seconds
    std::int32_t m_nDropWidth = 472;
    std::int32_t m_nDropHeight = 410;
    std::int32_t m_nDropMaxExtraHeight = 1000;
    std::int32_t m_nCount = 0;
    std::int32_t m_nFlags = 0;
    bool m_bDownloading = false;             ///< a CGetBannerInfoThread is at work for it
};

/// Bit values of CBanner::m_nFlags.
inline constexpr std::int32_t kBannerNoPopup = 2;
inline constexpr std::int32_t kBannerOnlineOnly = 4;
inline constexpr std::int32_t kBannerBarIsDestination = 8;
inline constexpr std::int32_t kBannerPopupIsUrl = 16;
inline constexpr std::int32_t kBannerBuiltIn = 32;

class CChannel
{
public:
    std::string m_strID;
    std::string m_strName;
    std::string m_strDescription;
    std::int32_t m_nIndex = 0;
    std::vector<std::unique_ptr<CBanner>> m_banners;
};

/// What the bar copies from a banner when it takes it over: a value, so a
/// window never holds a pointer into the catalogue that a worker may change.
struct SBannerView
{
    std::string id;
    std::string banner;
    std::string barUrl;
    std::string popupPageUrl;
    std::int32_t flags = 0;
    std::int32_t duration = 0;
    std::int32_t dropWidth = 472;
    std::int32_t dropHeight = 410;
    std::int32_t dropMaxExtraHeight = 1000;
    bool downloading = false;
};

/// The catalogue as the bar lists it.
struct SBannerBarState
{
    std::vector<std::string> channelNames;   ///< catalogue order
    int appChannel = -1;                     ///< position in channelNames, -1 when none
    std::vector<std::string> bannerNames;    ///< the app channel's banners, "New Banner" for an unnamed one
    int appBanner = -1;
    std::optional<SBannerView> current;      ///< the app banner, when there is one
};

/// Told when the catalogue changes what the bar shows. Called from worker
/// threads as well as the UI thread: an implementation hands the values on
/// to its window (CallAfter) and touches no widget itself.
class IBannerBarSink
{
public:
    virtual ~IBannerBarSink() = default;
    /// A banner was downloaded or selected and is now the app banner.
    virtual void ShowAppBanner(const SBannerBarState& state) = 0;
    /// The channel list changed (refresh).
    virtual void ChannelsChanged(const SBannerBarState& state) = 0;
};

inline constexpr std::string_view kChannelListPath = "/leanlog/getchannellist.asp?sponsorid=%s&BetaID=%d";
inline constexpr std::string_view kChannelInfoPath = "/leanlog/getchannelinfo.asp?channelID=%s&sponsorid=%s&BetaID=%d";
inline constexpr std::string_view kBannerInfoPath = "/leanlog/getbannerinfo.asp?bannerID=%s";
inline constexpr std::string_view kNewBannerName = "New Banner";
inline constexpr std::string_view kDownloadingBarUrl = "about:<body scroll=no>Downloading</body>";

/// The sponsor banner catalogue: channels and their banners, mirrored in
/// the settings, refreshed from the feed server, with the banner files
/// under m_strAppDir. Every member is guarded by one lock, so the
/// connection check, banner downloads and the UI thread may call in at
/// once. Downloads run on threads the catalogue owns and joins at its end.
class CBannerCatalogue
{
public:
    /// `online` is the application's m_bOnline; `serverUrl` empty means no server.
    CBannerCatalogue(CSettings& settings, std::string appDir, std::string serverUrl,
                     SHttpClientOptions options, std::atomic<bool>& online);
    ~CBannerCatalogue();
    CBannerCatalogue(const CBannerCatalogue&) = delete;
    CBannerCatalogue& operator=(const CBannerCatalogue&) = delete;

    /// The bar registers itself; null detaches. The sink must outlive its registration.
    void SetSink(IBannerBarSink* sink);

    void LoadBannerSettings();
    /// The catalogue refresh of a connection check (worker thread).
    void RefreshChannels();
    /// Choose what the application's bar shows (UI thread).
    std::optional<SBannerView> NextAppBanner();
    void SelectAppChannel(int index);
    void SelectAppBanner(int index);

    SBannerBarState BarState() const;
    /// Waits for every running banner download (tests and the CLI).
    void WaitForDownloads();

    // Server requests, public for the connection check and tests.
    bool GetChannelList(std::vector<std::string>& list);
    bool GetChannelInfo(CChannel& channel);
    void WriteChannelListPage();

    // The designed members.
    std::vector<std::unique_ptr<CChannel>> m_channels;
    std::string m_strBannerHtml;
    std::int32_t m_nMaxBannerExtraHeight = 1000;
    std::int32_t m_nAppChannel = 0;
    CChannel* m_pAppChannel = nullptr;
    std::int32_t m_nAppBanner = 0;
    CBanner* m_pAppBanner = nullptr;
    std::int32_t m_nViewerChannel = 0;
    CChannel* m_pViewerChannel = nullptr;
    std::int32_t m_nViewerBanner = 0;
    bool m_bRotateAppChannels = false;
    CBanner* m_pChannelListBanner = nullptr;
    std::string m_strSponsorId = "1";
    std::int32_t m_nBetaId = 0;
    std::string m_strAppDir;

    /// Guards every member above; held by the public operations.
    mutable std::recursive_mutex m_mutex;
    // private helpers (FindOrAddChannel, FindOrAddBanner, GetBannerInfo,
    // DownloadFile, the download threads) are the implementer's.
};
