#include "ui/frame/MainFrame.h"

#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/BannerBar.h"
#include "app/LeanlogApp.h"
#include "ui/controls/WxText.h"
#include "LeanlogIcon.h"

#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

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

struct SIndicator
{
    const char* text;
    wxKeyCode key;
};

constexpr std::array<SIndicator, 3> kIndicators = {{
    {"CAP", WXK_CAPITAL},
    {"NUM", WXK_NUMLOCK},
    {"SCRL", WXK_SCROLL},
}};

// The status bar's panes: the message, then one per indicator.
constexpr int kPaneMessage = 0;
constexpr int kPaneCount = 1 + static_cast<int>(kIndicators.size());

// No event tells of a lock key's change, so the keys are read this often.
constexpr int kIndicatorIntervalMs = 250;

constexpr const char* kIdleMessage = "Ready";

/// The frame's menus in menu bar order.
const std::vector<SMenuSpec>& FrameMenus()
{
    static const std::vector<SMenuSpec> menus = {
        {"&File",
         {
             {kIdCheckForUpdate, "Check for Online Update", "Check online for update to Leanlog", true, false},
             {kIdRestartDiet, "Restart Diet", "Start a new diet with a new start date and goal weight", true, false},
             {0, "", "", true, false},
             {kIdExportDays, "Export Days\u2026", "Write the diet's days to a CSV file", true, false},
             {kIdImportWeights, "Import Weights\u2026", "Read weights from a CSV file into the diet", true, false},
             {kIdBackUpData, "Back Up Data\u2026", "Copy your data and settings into one file", true, false},
             {kIdRestoreData, "Restore Data\u2026", "Replace your data with a backup", true, false},
             {0, "", "", true, false},
             {kIdAppExit, "E&xit", "Quit Leanlog", true, false},
         }},
        {"&Edit",
         {
             {kIdEditUndo, "&Undo", "Undo the last action", false, false},
             {0, "", "", true, false},
             {kIdEditCut, "Cu&t", "Cut the selection and put it on the clipboard", false, false},
             {kIdEditCopy, "&Copy", "Copy the selection and put it on the clipboard", false, false},
             {kIdEditPaste, "&Paste", "Insert the clipboard's contents", false, false},
         }},
        {"&View",
         {
             {kIdViewStatusBar, "&Status Bar", "Show or hide the status bar", true, true},
         }},
        {"ActiveSync",
         {
             {kIdSyncWithPocketPc, "Sync with PocketPC", "Synchronise the diet with the handheld", false, false},
         }},
        {"&Help",
         {
             {kIdAppAbout, "&About Leanlog...", "Show the program's version and its sponsor", true, false},
             {kIdAboutLosingWeight, "&About Losing Weight...", "Read about losing weight with Leanlog", true, false},
             {kIdHowItWorks, "How Leanlog Works", "View an explanation of how the Leanlog process works", true,
              false},
         }},
    };
    return menus;
}

} // namespace

CMainFrame::CMainFrame(CLeanlogApp& model)
    : wxFrame(nullptr, wxID_ANY, "Leanlog", wxDefaultPosition, wxSize(kDefaultWidth, kDefaultHeight)),
      m_indicatorTimer(this)
{
    wxIconBundle icons;
    const wxBitmapBundle icon = wxBitmapBundle::FromSVG(kLeanlogIconSvg, wxSize(48, 48));
    for (const int size : {16, 24, 32, 48, 64, 128})
        icons.AddIcon(icon.GetIcon(wxSize(size, size)));
    SetIcons(icons);

    CreateMenus();
    m_wndBannerBar = new CBannerBar(this, *model.Banners());
    m_wndView = new CChildView(this, model);
    CreateIndicators();
    SetMinSize(wxSize(kMinWidth, -1));

    Bind(wxEVT_SIZE, &CMainFrame::OnSize, this);
    Bind(wxEVT_MENU, &CMainFrame::OnToggleStatusBar, this, kIdViewStatusBar);
    Bind(
        wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Check(m_wndStatusBar->IsShown()); },
        kIdViewStatusBar);
    for (const auto& menu : FrameMenus())
        for (const auto& item : menu.items)
            if (item.id != 0 && !item.enabled)
                Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, item.id);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent&) { m_wndView->SetFocus(); });
}

CMainFrame::~CMainFrame()
{
    // Stopped while the status bar it writes to still exists.
    m_indicatorTimer.Stop();
}

bool CMainFrame::Destroy()
{
    m_wndBannerBar->Detach();
    return wxFrame::Destroy();
}

void CMainFrame::CreateMenus()
{
    auto* bar = new wxMenuBar;
    for (const auto& spec : FrameMenus()) {
        auto* menu = new wxMenu;
        for (const auto& item : spec.items) {
            if (item.id == 0)
                menu->AppendSeparator();
            else
                menu->Append(item.id, ToWx(item.text), ToWx(item.prompt),
                             item.checkable ? wxITEM_CHECK : wxITEM_NORMAL);
        }
        bar->Append(menu, ToWx(spec.title));
    }
    SetMenuBar(bar);
    bar->Check(kIdViewStatusBar, true);
}

void CMainFrame::CreateIndicators()
{
    m_wndStatusBar = CreateStatusBar(kPaneCount);
    std::array<int, kPaneCount> widths{-1};
    for (size_t i = 0; i < kIndicators.size(); ++i)
        widths[i + 1] = m_wndStatusBar->GetTextExtent(kIndicators[i].text).x + FromDIP(16);
    m_wndStatusBar->SetStatusWidths(kPaneCount, widths.data());
    SetStatusBarPane(kPaneMessage);
    SetStatusText(kIdleMessage, kPaneMessage);
    // Lock states can only be read from an X11 display; elsewhere the
    // indicators stay blank.
    if (wxGetDisplayInfo().type != wxDisplayX11)
        return;
    UpdateIndicators();
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { UpdateIndicators(); }, m_indicatorTimer.GetId());
    m_indicatorTimer.Start(kIndicatorIntervalMs);
}

void CMainFrame::UpdateIndicators()
{
    // The status bar repaints a pane only when its text changes.
    for (size_t i = 0; i < kIndicators.size(); ++i) {
        const char* text = wxGetKeyState(kIndicators[i].key) ? kIndicators[i].text : "";
        m_wndStatusBar->SetStatusText(text, static_cast<int>(i) + 1);
    }
}

void CMainFrame::OnSize(wxSizeEvent& event)
{
    event.Skip();
    if (!m_wndView)
        return;
    // However narrow the window is made, the content is laid out for 800 pixels.
    const wxSize client = GetClientSize();
    const int borders = GetSize().x - client.x;
    const int width = std::max(client.x, kMinWidth - borders);
    const int bannerHeight = m_wndBannerBar->GetMinSize().y;
    m_wndBannerBar->SetSize(0, 0, width, bannerHeight);
    m_wndView->SetSize(0, bannerHeight, width, std::max(0, client.y - bannerHeight));
}

void CMainFrame::OnToggleStatusBar(wxCommandEvent&)
{
    m_wndStatusBar->Show(!m_wndStatusBar->IsShown());
    SendSizeEvent();
}
