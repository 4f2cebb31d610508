#pragma once

#include <wx/panel.h>

#include <array>
#include <functional>
#include <string>

class CColorButton;
class wxButton;

/// Where the Main page's eight buttons go on a page of `page` pixels, in
/// the order 1015, 1016, 1017, 1018, 1020, 1021, 1022, 1023: two columns
/// and four rows of buttons of `button` size with equal gaps, 1023 keeping
/// its own `sponsorButton` size centred on the last slot.
std::array<wxRect, 8> MainPageButtonRects(wxSize page, wxSize button, wxSize sponsorButton);

/// Tab 0, "Main": the navigation buttons on a white page. The entry button
/// (1015) runs the action its owner gives it (the day entry); buttons 1016 to 1023 select their
/// tab through the tab strip exactly as a click on the tab does.
/// UI thread only.
class CMainPage : public wxPanel
{
public:
    /// `selectTab` selects a tab as a click on the tab does.
    CMainPage(wxWindow* parent, std::function<void(int)> selectTab);

    void SetEntryLabel(const std::string& label);
    /// Enables the entry button (1015) with what its click does.
    void SetEntryAction(std::function<void()> action);
    wxButton* EntryButton() const;
    CColorButton* SponsorButton() const;

private:
    /// The button's click selects `tab` as a click on the tab does.
    void BindToTab(wxWindow* button, int tab);
    void OnSize(wxSizeEvent& event);

    std::function<void(int)> m_selectTab;
    std::array<wxWindow*, 8> m_buttons{};   ///< in MainPageButtonRects order
};

/// Button 1023's text: "About", then the sponsor's name broken after its first word.
inline constexpr const char* kSponsorButtonText = "About\nHarborline\nLending";
