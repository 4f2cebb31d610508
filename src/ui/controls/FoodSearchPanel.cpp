#include "ui/controls/FoodSearchPanel.h"

#include "base/HtmlEscape.h"
#include "ui/controls/WxText.h"

#include <wx/dataview.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/srchctrl.h>

#include <gtk/gtk.h>

namespace {

/// The name a screen reader says for `widget`, the GTK side of `window`.
void SetAccessibleName(wxWindow* window, GtkWidget* widget, const char* name)
{
    window->SetName(name);
    atk_object_set_name(gtk_widget_get_accessible(widget), name);
}

} // namespace

/// The finder's rows as a one-column list: the food's name, and under it,
/// smaller and fainter, the serving size and the category. One column, so a
/// narrow list still shows all three; the finder outlives the list control.
class CFoodResultsModel : public wxDataViewVirtualListModel
{
public:
    explicit CFoodResultsModel(const CFoodFinder& finder) : m_finder(finder) {}

    unsigned GetColumnCount() const override { return 1; }
    wxString GetColumnType(unsigned) const override { return "string"; }
    void GetValueByRow(wxVariant& value, unsigned row, unsigned) const override
    {
        // fgalpha, not a colour: the line stays readable on the selection's background.
        value = ToWx(HtmlEscape(m_finder.Text(row, CFoodFinder::kNameColumn)) + "\n<span size=\"smaller\" fgalpha=\"70%\">" +
                     HtmlEscape(m_finder.Text(row, CFoodFinder::kSizeColumn)) + "  \u00b7  " +
                     HtmlEscape(m_finder.Text(row, CFoodFinder::kCategoryColumn)) + "</span>");
    }
    bool SetValueByRow(const wxVariant&, unsigned, unsigned) override { return false; }

private:
    const CFoodFinder& m_finder;
};

CFoodSearchPanel::CFoodSearchPanel(wxWindow* parent, const CFoodSearch& search, SFoodSearchHandlers handlers)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE),
      m_finder(search), m_handlers(std::move(handlers))
{
    m_pField = new wxSearchCtrl(this, wxID_ANY);
    m_pField->SetDescriptiveText("Search foods");
    // The search entry names itself "Search" otherwise.
    SetAccessibleName(m_pField, m_pField->GetHandle(), "Search foods");
    m_pField->ShowCancelButton(true);

    m_pResults = new wxDataViewCtrl(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                    wxDV_SINGLE | wxDV_NO_HEADER | wxDV_ROW_LINES);
    SetAccessibleName(m_pResults, m_pResults->GtkGetTreeView(), "Found foods");
    m_pModel = new CFoodResultsModel(m_finder);
    m_pResults->AssociateModel(m_pModel);
    m_pModel->DecRef();
    auto* renderer = new wxDataViewTextRenderer("string", wxDATAVIEW_CELL_INERT);
    renderer->EnableMarkup();
    // In the middle: the ends of long names are what tells them apart.
    renderer->EnableEllipsize(wxELLIPSIZE_MIDDLE);
    // A fixed width the list fills: one sized to its contents would measure every row on each keystroke.
    m_pResults->AppendColumn(new wxDataViewColumn("Food", renderer, 0, FromDIP(100), wxALIGN_LEFT, 0));
    m_pResults->Hide();
    m_pNoMatch = new wxStaticText(this, wxID_ANY, ToWx(kNoFoodMatchesText));
    m_pNoMatch->Hide();

    m_pField->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnText(); });
    Bind(wxEVT_CHAR_HOOK, &CFoodSearchPanel::OnKey, this);
    m_pResults->Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, [this](wxDataViewEvent&) {
        if (CFoodItem* item = SelectedItem(); item && m_handlers.chosen)
            m_handlers.chosen(*item);
    });
    m_pResults->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) {
        CFoodItem* item = SelectedItem();
        if (!item)
            return;
        if (m_handlers.chosen)
            m_handlers.chosen(*item);
        if (m_handlers.activated)
            m_handlers.activated(*item);
    });

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_pField, wxSizerFlags().Expand().Border(wxBOTTOM, FromDIP(4)));
    sizer->Add(m_pNoMatch, wxSizerFlags().Border(wxBOTTOM, FromDIP(4)));
    sizer->Add(m_pResults, wxSizerFlags(1).Expand());
    SetSizer(sizer);
}

CFoodSearchPanel::~CFoodSearchPanel()
{
    // The list reads the finder, which goes with the panel's members: the list goes first.
    delete m_pResults;
}

void CFoodSearchPanel::SetTree(wxWindow* tree)
{
    m_pTree = tree;
    GetSizer()->Insert(1, tree, wxSizerFlags(1).Expand());
}

CFoodItem* CFoodSearchPanel::SelectedItem() const
{
    const wxDataViewItem item = m_pResults->GetSelection();
    return item.IsOk() ? &m_finder.Item(m_pModel->GetRow(item)) : nullptr;
}

void CFoodSearchPanel::OnText()
{
    const bool wasSearching = m_finder.Searching();
    if (!m_finder.SetText(ToUtf8(m_pField->GetValue())))
        return;
    m_pResults->UnselectAll();
    m_pModel->Reset(static_cast<unsigned>(m_finder.RowCount()));
    const bool noMatch = m_finder.Searching() && m_finder.RowCount() == 0;
    if (m_finder.Searching() != wasSearching)
        ShowResults(m_finder.Searching());
    if (m_pNoMatch->IsShown() != noMatch) {
        m_pNoMatch->Show(noMatch);
        Layout();
    }
}

void CFoodSearchPanel::ShowResults(bool show)
{
    if (show && m_handlers.started)
        m_handlers.started();
    m_pResults->Show(show);
    if (m_pTree)
        m_pTree->Show(!show);
    Layout();
    if (!show && m_handlers.ended)
        m_handlers.ended();
}

void CFoodSearchPanel::OnKey(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (!m_finder.Searching() || event.HasAnyModifiers()) {
        event.Skip();
        return;
    }
    if (key == WXK_ESCAPE) {
        // Escape ends the search, not the dialog around it.
        m_pField->Clear();
        if (m_pTree)
            m_pTree->SetFocus();
        return;
    }
    if (key == WXK_DOWN && wxWindow::FindFocus() == m_pField && m_finder.RowCount() > 0) {
        m_pResults->SetFocus();
        m_pResults->Select(m_pModel->GetItem(0));
        m_pResults->EnsureVisible(m_pModel->GetItem(0));
        if (m_handlers.chosen)
            m_handlers.chosen(m_finder.Item(0));
        return;
    }
    event.Skip();
}
