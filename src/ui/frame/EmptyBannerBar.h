#pragma once

#include "ui/pages/HtmlBrowser.h"

#include <wx/panel.h>

/// The strip across the top of the main window that will carry the sponsor
/// banners. Until there is a banner to show it is the empty bar: its web
/// view, centred in the strip, shows kEmptyBannerText. UI thread only.
class CEmptyBannerBar : public wxPanel
{
public:
    explicit CEmptyBannerBar(wxWindow* parent);

    const CHtmlBrowser& Browser() const { return m_wndBrowser; }

    /// The web view's designed width, pixels.
    static constexpr int kBrowserWidth = 473;

private:
    void OnDocumentComplete();
    void OnSize(wxSizeEvent& event);

    CHtmlBrowser m_wndBrowser;
};

inline constexpr const char* kEmptyBannerText = "Connect to the internet for full capabilities";
