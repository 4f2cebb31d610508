#pragma once

#include <wx/frame.h>
#include <wx/timer.h>

class CChildView;
class CBannerBar;
class CLeanlogApp;

/// The main window: the banner strip across the top, the child view below
/// it and the status bar with its message pane and the CAP, NUM and SCRL
/// indicators. Never narrower than kMinWidth pixels. Menu commands that the
/// frame does not handle itself go on to the application object. The model,
/// its banner catalogue loaded, outlives the frame. UI thread only.
class CMainFrame : public wxFrame
{
public:
    explicit CMainFrame(CLeanlogApp& model);
    ~CMainFrame() override;

    /// The banner bar lets go of the catalogue at once: the model may go
    /// before the frame's deferred deletion.
    bool Destroy() override;

    CChildView& View() const { return *m_wndView; }
    CBannerBar& BannerBar() const { return *m_wndBannerBar; }

    static constexpr int kMinWidth = 800;
    static constexpr int kDefaultWidth = 800;
    static constexpr int kDefaultHeight = 500;

private:
    void CreateMenus();
    void CreateIndicators();
    void UpdateIndicators();
    void OnSize(wxSizeEvent& event);
    void OnToggleStatusBar(wxCommandEvent& event);

    CBannerBar* m_wndBannerBar = nullptr;
    wxStatusBar* m_wndStatusBar = nullptr;
    CChildView* m_wndView = nullptr;
    wxTimer m_indicatorTimer;
};
