#pragma once

#include "net/HttpClientOptions.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CSettings;
class CChannel;
class CGetBannerInfoThread;
struct SBannerInfoReply;
struct SChannelInfoReply;

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

    /// The banner download of a CGetBannerInfoThread (its worker thread):
    /// the banner when its description and files arrived, else null.
    CBanner* GetBannerInfo(CBanner& banner, const std::string& id);
    /// Fetches `url` into `path` through a temporary beside it; the target
    /// changes only after a whole 200 reply. Worker threads; no lock needed.
    bool DownloadFile(const std::string& path, const std::string& url) const;

private:
    friend class CGetBannerInfoThread;

    // Everything below runs with m_mutex held unless it says otherwise.
    CChannel* FindOrAddChannel(const std::string& id);
    CBanner* FindOrAddBanner(CChannel& channel, const std::string& id);
    void CreateBuiltInChannel();
    void PlaceBuiltInFiles() const;
    void LoadBanner(CChannel& channel, CBanner& banner);
    void WriteBannerSettings(const CBanner& banner);
    void WriteChannelBannerList(CChannel& channel);
    void WriteChannelNumbers();
    void MergeChannelInfo(CChannel& channel, const SChannelInfoReply& reply);
    /// Takes a channel or banner out of the catalogue, keeping the object
    /// alive: a download thread may still point at it.
    void Retire(std::unique_ptr<CChannel> channel);
    void Retire(std::unique_ptr<CBanner> banner);
    /// Keeps the app and viewer selections on live channels and banners.
    void RepairSelections();
    /// `folder`: the banner's folder, where its pages go.
    void StoreBannerInfo(CBanner& banner, const std::string& id, const std::string& folder,
                         const SBannerInfoReply& reply);
    bool IsSkipped(const CBanner& banner) const;
    void ShowBanner(CBanner& banner);
    /// The next banner of the app channel that is not skipped, or null.
    CBanner* FindNextAppBanner();
    void StartDownload(CBanner& banner);
    void StartDownloadsOfUnnamedBanners();
    std::string BannerFolder(const CChannel& channel, const CBanner& banner) const;
    SBannerView ViewOf(const CBanner& banner) const;
    /// Fetches one reply of the feed; no lock held.
    std::optional<std::string> Fetch(const std::string& path) const;
    /// The channel info reply for `id`, nullopt when it did not arrive or says "BAD"; no lock held.
    std::optional<SChannelInfoReply> FetchChannelInfo(const std::string& id) const;
    void Trace(std::string_view text) const;

    // Sink calls: made with m_mutex released.
    void NotifyAppBanner();
    void NotifyChannelsChanged();

    CSettings& m_settings;
    std::string m_strServerUrl;
    SHttpClientOptions m_options;
    std::atomic<bool>& m_bOnline;
    std::vector<std::unique_ptr<CChannel>> m_retiredChannels;
    std::vector<std::unique_ptr<CBanner>> m_retiredBanners;

    std::mutex m_sinkMutex;   ///< guards m_pSink; taken before m_mutex, never while m_mutex is held
    IBannerBarSink* m_pSink = nullptr;

    std::mutex m_threadsMutex;   ///< guards m_threads; taken after m_mutex when both are held
    std::vector<std::unique_ptr<CGetBannerInfoThread>> m_threads;
    std::atomic<bool> m_bStopping{false};
};
