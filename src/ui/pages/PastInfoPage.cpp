#include "ui/pages/PastInfoPage.h"

#include "app/LeanlogApp.h"
#include "entry/DayEntry.h"
#include "entry/PastDays.h"
#include "ui/controls/WxText.h"
#include "ui/dialogs/DayInfoDlg.h"

#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

struct SColumn
{
    const char* heading;
    int width;   // pixels
};
constexpr SColumn kColumns[] = {{"Date", 220}, {"Weight", 50}, {"Carbs", 50}, {"Steps", 50}};
constexpr int kListTop = 16;   // pixels below the page's top

} // namespace

CPastDaysModel::CPastDaysModel(const CLeanlogApp& app)
    : wxDataViewVirtualListModel(static_cast<unsigned>(app.m_days.size())), m_app(app)
{
}

void CPastDaysModel::GetValueByRow(wxVariant& value, unsigned row, unsigned column) const
{
    value = ToWx(PastDayCells(m_app.m_days, row).at(column));
}

bool CPastDaysModel::GetAttrByRow(unsigned row, unsigned, wxDataViewItemAttr& attr) const
{
    if (static_cast<int>(row) == m_nSelected) {
        attr.SetBackgroundColour(kPastInfoSelectedRow);
        attr.SetColour(*wxWHITE);
        return true;
    }
    attr.SetColour(*wxBLACK);
    attr.SetBackgroundColour(row % 2 ? kPastInfoOddRow : *wxWHITE);
    return true;
}

CPastInfoPage::CPastInfoPage(wxWindow* parent, CLeanlogApp& app)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE), m_app(app)
{
    SetLabel("Past Info");
    SetBackgroundColour(*wxWHITE);
    auto* caption = new wxStaticText(this, wxID_ANY, "Summary of Current Diet Entries");
    m_pList = new wxDataViewCtrl(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxDV_SINGLE | wxDV_ROW_LINES);
    m_pModel = new CPastDaysModel(m_app);
    m_pList->AssociateModel(m_pModel);
    m_pModel->DecRef();
    for (unsigned c = 0; c < 4; ++c)
        m_pList->AppendTextColumn(kColumns[c].heading, c, wxDATAVIEW_CELL_INERT, FromDIP(kColumns[c].width),
                                  wxALIGN_LEFT);
    m_pList->Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, [this](wxDataViewEvent&) { OnSelectionChanged(); });
    m_pList->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent& event) {
        if (event.GetItem().IsOk())
            CallAfter(&CPastInfoPage::EditRow, static_cast<int>(m_pModel->GetRow(event.GetItem())));
    });

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(caption, wxSizerFlags().Border(wxLEFT, FromDIP(4)));
    sizer->SetItemMinSize(caption, wxSize(-1, FromDIP(kListTop)));
    sizer->Add(m_pList, wxSizerFlags(1).Expand());
    SetSizer(sizer);
}

void CPastInfoPage::Refill()
{
    m_nSelected = -1;
    m_pModel->SetSelectedRow(-1);
    m_pModel->Reset(static_cast<unsigned>(m_app.m_days.size()));
}

void CPastInfoPage::OnSelectionChanged()
{
    const int previous = m_nSelected;
    const wxDataViewItem item = m_pList->GetSelection();
    m_nSelected = item.IsOk() ? static_cast<int>(m_pModel->GetRow(item)) : -1;
    m_pModel->SetSelectedRow(m_nSelected);
    for (int row : {previous, m_nSelected})
        if (row >= 0 && static_cast<size_t>(row) < m_app.m_days.size())
            m_pModel->RowChanged(static_cast<unsigned>(row));
}

void CPastInfoPage::EditRow(int row)
{
    if (row < 0 || static_cast<size_t>(row) >= m_app.m_days.size())
        return;
    CDayEntry entry(m_app);
    entry.SetDay(m_app.m_days[static_cast<size_t>(row)].get(), true);
    CDayInfoDlg dialog(wxGetTopLevelParent(this), entry, m_app);
    // Cancel too: slot edits stay in the day in memory and count in its carbs.
    dialog.ShowModal();
    m_pModel->RowChanged(static_cast<unsigned>(row));
}
