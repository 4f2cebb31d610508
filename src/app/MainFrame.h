#pragma once

#include <wx/frame.h>

#include <string>
#include <vector>

class CChildView;
class CEmptyBannerBar;
class CLeanlogApp;

/// One item of the frame's menus, as the menu bar is built from it.
struct SMenuItemSpec
{
    int id;                 ///< 0 for a separator
    const char* text;
    const char* prompt;     ///< the status bar's text while the item is highlighted
    bool enabled;
    bool checkable;
};

struct SMenuSpec
{
    const char* title;
    std::vector<SMenuItemSpec> items;
};

/// The frame's menus in menu bar order.
const std::vector<SMenuSpec>& FrameMenus();

/// The main window: the banner strip across the top, the child view below
/// it and the status bar with its message pane and the CAP, NUM and SCRL
/// indicators. Never narrower than kMinWidth pixels. Menu commands that the
/// frame does not handle itself go on to the application object. The model
/// outlives the frame. UI thread only.
class CMainFrame : public wxFrame
{
public:
    explicit CMainFrame(CLeanlogApp& model);

    CChildView& View() const { return *m_wndView; }
    CEmptyBannerBar& BannerBar() const { return *m_wndBannerBar; }
    /// The width the last layout used; at least kMinWidth less the frame's borders.
    int LayoutWidth() const { return m_nLayoutWidth; }

    static constexpr int kMinWidth = 800;
    static constexpr int kDefaultWidth = 800;
    static constexpr int kDefaultHeight = 500;

    /// The status bar's panes.
    enum EPane : int { kPaneMessage = 0, kPaneCaps, kPaneNum, kPaneScroll, kPaneCount };

private:
    void CreateMenus();
    void CreateIndicators();
    void UpdateIndicators();
    void OnSize(wxSizeEvent& event);
    void OnToggleStatusBar(wxCommandEvent& event);

    CEmptyBannerBar* m_wndBannerBar = nullptr;
    wxStatusBar* m_wndStatusBar = nullptr;
    CChildView* m_wndView = nullptr;
    int m_nLayoutWidth = 0;
    std::vector<std::string> m_indicators;   ///< texts shown in panes 1 to 3
};
