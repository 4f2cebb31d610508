#include "ui/pages/PastInfoPage.h"

#include "app/LeanlogApp.h"
#include "entry/DayEntry.h"
#include "entry/PastDays.h"
#include "ui/controls/WxText.h"
#include "ui/dialogs/DayInfoDlg.h"

#include <wx/dc.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

struct SColumn
{
    const char* heading;
    int width;   // pixels
};
constexpr SColumn kColumns[] = {{"Date", 220}, {"Weight", 50}, {"Carbs", 50}, {"Steps", 50}};
constexpr int kListTop = 16;   // pixels below the page's top

constexpr int kWholeCell = 4000;   // pixels

/// A text cell painted in its row's colours over the whole cell, so that
/// the selected row is navy whatever the theme's selection colour.
class CRowColourRenderer : public wxDataViewCustomRenderer
{
public:
    CRowColourRenderer() : wxDataViewCustomRenderer("string", wxDATAVIEW_CELL_INERT) {}

    bool SetValue(const wxVariant& value) override
    {
        m_text = value.GetString();
        return true;
    }
    bool GetValue(wxVariant& value) const override
    {
        value = m_text;
        return true;
    }
    // Wider than any column: the cell's whole rectangle is painted (the columns have fixed widths).
    wxSize GetSize() const override { return wxSize(kWholeCell, GetTextExtent(m_text).y); }
    bool Render(wxRect cell, wxDC* dc, int) override
    {
        const wxDataViewItemAttr& attr = GetAttr();
        const wxRect whole = wxRect(cell).Inflate(4);
        wxDCClipper clip(*dc, whole);
        if (attr.HasBackgroundColour()) {
            dc->SetPen(*wxTRANSPARENT_PEN);
            dc->SetBrush(wxBrush(attr.GetBackgroundColour()));
            dc->DrawRectangle(whole);
        }
        dc->SetTextForeground(attr.HasColour() ? attr.GetColour() : *wxBLACK);
        dc->DrawText(m_text, cell.x, cell.y + (cell.height - dc->GetCharHeight()) / 2);
        return true;
    }

private:
    wxString m_text;
};

/// A column's width: as designed, or wider when its heading or widest text needs it.
int ColumnWidth(wxWindow* list, const char* heading, int designed, const wxString& widest)
{
    const int padding = list->FromDIP(16);
    return std::max({list->FromDIP(designed), list->GetTextExtent(heading).x + padding,
                     list->GetTextExtent(widest).x + padding});
}

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
    // The widest texts of each column, so that nothing is cut in fonts wider than the designed one.
    const wxString widest[] = {"00/00/0000 - Stage 2, Week 00 Day 0 Protein Day", "1000.00", "99999", "200000"};
    for (unsigned c = 0; c < 4; ++c)
        m_pList->AppendColumn(new wxDataViewColumn(kColumns[c].heading, new CRowColourRenderer, c,
                                                   ColumnWidth(m_pList, kColumns[c].heading, kColumns[c].width,
                                                               widest[c]),
                                                   wxALIGN_LEFT));
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
