#pragma once

// Command and control ids of the desktop windows, traceable to the
// designed numbers.

/// The designed command numbers start at 0x8000 (32777 and up, 57664 for
/// About), but wx takes menu ids only below 0x7FFF: each menu id is its
/// designed number less 0x8000.
constexpr int MenuId(int designed)
{
    return designed - 0x8000;
}

// Menu commands.
inline constexpr int kIdCheckForUpdate = MenuId(32782);      ///< File > Check for Online Update
inline constexpr int kIdRestartDiet = MenuId(32778);         ///< File > Restart Diet
inline constexpr int kIdAppExit = MenuId(57665);             ///< File > Exit
// The data commands have no designed numbers; these stay clear of them.
inline constexpr int kIdExportDays = 30001;                  ///< File > Export Days...
inline constexpr int kIdImportWeights = 30002;               ///< File > Import Weights...
inline constexpr int kIdBackUpData = 30003;                  ///< File > Back Up Data...
inline constexpr int kIdRestoreData = 30004;                 ///< File > Restore Data...
inline constexpr int kIdEditUndo = MenuId(57643);
inline constexpr int kIdEditCut = MenuId(57635);
inline constexpr int kIdEditCopy = MenuId(57634);
inline constexpr int kIdEditPaste = MenuId(57637);
inline constexpr int kIdViewStatusBar = MenuId(59393);       ///< View > Status Bar
inline constexpr int kIdSyncWithPocketPc = MenuId(32779);    ///< ActiveSync > Sync with PocketPC, always disabled
inline constexpr int kIdAppAbout = MenuId(57664);            ///< Help > About Leanlog
inline constexpr int kIdAboutLosingWeight = MenuId(32785);   ///< Help > About Losing Weight
inline constexpr int kIdHowItWorks = MenuId(32777);          ///< Help > How Leanlog Works

// Controls.
inline constexpr int kIdTabCtrl = 1111;
inline constexpr int kIdEntryButton = 1015;
inline constexpr int kIdPastInfoButton = 1016;
inline constexpr int kIdStatusButton = 1017;
inline constexpr int kIdSummaryButton = 1018;
inline constexpr int kIdGraphButton = 1020;
inline constexpr int kIdCarbInfoButton = 1021;
inline constexpr int kIdPellawareButton = 1022;
inline constexpr int kIdSponsorButton = 1023;
inline constexpr int kIdPageBrowser = 1128;          ///< web view of a browser tab page
inline constexpr int kIdDialogBrowser = 1127;        ///< web view of the HTML dialog
inline constexpr int kIdBannerBrowser = 116;         ///< web view of the banner bar
inline constexpr int kIdChannelList = 117;           ///< the banner bar's channel list
inline constexpr int kIdBannerList = 118;            ///< the banner bar's banner list

/// The tab pages in tab order.
enum ETab : int
{
    kTabMain = 0,
    kTabPastInfo,
    kTabStatus,
    kTabSummary,
    kTabGraph,
    kTabCarbInfo,
    kTabPellaware,
    kTabSponsor
};
