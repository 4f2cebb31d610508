#pragma once

#include <wx/window.h>

#include <string>
#include <vector>

class CCarbInfoPage;
class CPastInfoPage;
class CColorTabCtrl;
class CGraphPage;
class CLeanlogApp;
class CMainPage;
class CStatusPage;
class CSummaryPage;
class wxBookCtrlEvent;

/// The main window's client area: the tab strip and its eight pages, one
/// shown at a time. The pages are children of the tab strip and wx destroys
/// them with it; the view only points at them. The model outlives the view.
/// UI thread only.
class CChildView : public wxWindow
{
public:
    CChildView(wxWindow* parent, CLeanlogApp& model);

    CLeanlogApp& Model() const { return *m_pModel; }
    CColorTabCtrl& TabCtrl() const { return *m_tabCtrl; }
    /// Selects tab `index` by a left-button press at the top-left corner of
    /// its rectangle, exactly as a click on the tab: the changing and
    /// changed steps run. Nothing happens when it is already selected.
    void ClickTab(int index);
    /// The changed step: shows the selected page and runs its tab's action
    /// (tab 0 relabels the entry button, Status and Summary are rebuilt).
    void SelChanged();
    /// Selects tab `index` as ClickTab does; when it is already selected,
    /// runs the changed step again so that its page shows the current data.
    void SelectTab(int index);

    wxWindow* Page(int index) const { return m_pages.at(static_cast<size_t>(index)); }
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    CMainPage* MainPage() const { return m_pMainPage; }
    CStatusPage* StatusPage() const { return m_pStatusPage; }
    CSummaryPage* SummaryPage() const { return m_pSummaryPage; }
    CGraphPage* GraphPage() const { return m_pGraphPage; }
    CPastInfoPage* PastInfoPage() const { return m_pPastInfoPage; }
    CCarbInfoPage* CarbInfoPage() const { return m_pCarbInfoPage; }
    /// The entry button's road: the next day in Day Info, then its new label.
    void EnterNextDay();
    /// "New Version Found", once per run while a downloaded program update
    /// waits; "Install Now" ends the program.
    void AskNewVersion();

private:
    void AddPage(wxWindow* page, const std::string& tip);
    void OnSize(wxSizeEvent& event);
    void OnSelChanging(wxBookCtrlEvent& event);
    void OnSelChange(wxBookCtrlEvent& event);

    CLeanlogApp* m_pModel;
    CColorTabCtrl* m_tabCtrl = nullptr;
    CMainPage* m_pMainPage = nullptr;
    CStatusPage* m_pStatusPage = nullptr;
    CSummaryPage* m_pSummaryPage = nullptr;
    CGraphPage* m_pGraphPage = nullptr;
    CPastInfoPage* m_pPastInfoPage = nullptr;
    CCarbInfoPage* m_pCarbInfoPage = nullptr;
    std::vector<wxWindow*> m_pages;   ///< in tab order; owned by the tab strip
};
