#include "ui/dialogs/FoodPickerDlg.h"

#include "base/StrPrintf.h"
#include "ui/controls/FoodSearchPanel.h"
#include "ui/controls/FoodTreeModel.h"
#include "ui/controls/NutritionPanel.h"
#include "ui/controls/ThemedButton.h"
#include "ui/controls/DialogKeys.h"
#include "ui/controls/WxText.h"

#include <wx/dataview.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

const wxSize kTreeSize(170, 250);   // dialog units
constexpr int kIdQuantityMode = 1200;
constexpr int kIdAmountMode = 1201;

} // namespace

CFoodPickerDlg::CFoodPickerDlg(wxWindow* parent, const std::vector<std::unique_ptr<CItemCategory>>& categories,
                               const CFoodSearch& search)
    : wxDialog(parent, wxID_ANY, "Carb Info", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_tree(CFoodTree::BuildPickerTree(categories))
{
    SetBackgroundColour(*wxWHITE);
    const int gap = ConvertDialogToPixels(wxSize(7, 7)).x;
    m_pSearch = new CFoodSearchPanel(this, search,
                                     {.started = [this] { m_pickerBeforeSearch = m_picker; },
                                      .ended =
                                          [this] {
                                              m_picker = m_pickerBeforeSearch;
                                              ShowQuantity();
                                              ShowFields();
                                          },
                                      .chosen =
                                          [this](CFoodItem& item) {
                                              m_picker.Select(&item);
                                              ShowFields();
                                          },
                                      .activated = [this](CFoodItem&) { Take(); }});
    m_pTree = new wxDataViewCtrl(m_pSearch, wxID_ANY, wxDefaultPosition, ConvertDialogToPixels(kTreeSize),
                                 wxDV_SINGLE | wxDV_NO_HEADER);
    m_pSearch->SetTree(m_pTree);
    auto* model = new CFoodTreeModel(m_tree);
    m_pTree->AssociateModel(model);
    model->DecRef();
    m_pTree->AppendTextColumn("Food", 0, wxDATAVIEW_CELL_INERT, -1, wxALIGN_LEFT);
    m_pPanel = new CNutritionPanel(this);

    m_pServings = new CThemedCheckButton(this, kIdQuantityMode, "Quantity");
    m_pAmount = new CThemedCheckButton(this, kIdAmountMode, "Amount");
    m_pQuantity = new wxTextCtrl(this, wxID_ANY, "1");
    auto* unit = new wxStaticText(this, wxID_ANY, "(g)");
    for (auto* button : {m_pServings, m_pAmount})
        button->SetFaceColour(*wxWHITE);

    m_pTree->Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, [this](wxDataViewEvent&) { OnSelection(); });
    m_pTree->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent& event) {
        // A double-click on a food takes it, as OK does; on a category it only opens it.
        const SFoodNode* node = CFoodTreeModel::Node(event.GetItem());
        if (!node || node->kind == EFoodNodeKind::Category) {
            event.Skip();
            return;
        }
        OnSelection();
        Take();
    });
    m_pQuantity->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnQuantityTyped(); });
    m_pServings->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnMode(CFoodPicker::kServings); });
    m_pAmount->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnMode(CFoodPicker::kAmount); });

    auto* quantity = new wxBoxSizer(wxHORIZONTAL);
    quantity->Add(m_pServings, wxSizerFlags().CenterVertical().Border(wxRIGHT, gap));
    quantity->Add(m_pAmount, wxSizerFlags().CenterVertical().Border(wxRIGHT, gap));
    quantity->Add(m_pQuantity, wxSizerFlags().CenterVertical().Border(wxRIGHT, gap / 2));
    quantity->Add(unit, wxSizerFlags().CenterVertical());
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(m_pPanel, wxSizerFlags(1).Expand());
    right->Add(quantity, wxSizerFlags().Border(wxTOP | wxLEFT, gap));
    auto* body = new wxBoxSizer(wxHORIZONTAL);
    body->Add(m_pSearch, wxSizerFlags(1).Expand().Border(wxRIGHT, gap));
    body->Add(right, wxSizerFlags().Expand());
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(body, wxSizerFlags(1).Expand().Border(wxALL, gap));
    sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, gap));
    SetSizer(sizer);
    ShowFields();
    Fit();
    CentreOnParent();
    ReturnPressesDefault(this, m_pTree);
    m_pTree->SetFocus();
}

CFoodPickerDlg::~CFoodPickerDlg()
{
    // The control reads the tree, which goes with the dialog's members: the control goes first.
    m_tree.SetObserver(nullptr);
    delete m_pTree;
}

void CFoodPickerDlg::OnSelection()
{
    const SFoodNode* node = CFoodTreeModel::Node(m_pTree->GetSelection());
    if (!node || node->kind == EFoodNodeKind::Category)
        return;
    m_picker.Select(node->item);
    ShowFields();
}

void CFoodPickerDlg::Take()
{
    if (Validate() && TransferDataFromWindow())
        EndDialog(wxID_OK);
}

void CFoodPickerDlg::OnQuantityTyped()
{
    // A text that is not (yet) a number leaves the values as they are; OK refuses it.
    if (const auto quantity = ParseQuantity(ToUtf8(m_pQuantity->GetValue())); quantity && m_picker.SetQuantity(*quantity))
        ShowFields();
}

void CFoodPickerDlg::OnMode(int mode)
{
    if (const auto quantity = ParseQuantity(ToUtf8(m_pQuantity->GetValue())))
        m_picker.SetQuantity(*quantity);
    m_picker.SetMode(mode);
    ShowFields();
    ShowQuantity();
}

void CFoodPickerDlg::ShowQuantity()
{
    m_pQuantity->ChangeValue(ToWx(StrPrintf("%g", static_cast<double>(m_picker.Quantity()))));
}

void CFoodPickerDlg::ShowFields()
{
    std::array<std::string, kNutrientCount> texts;
    for (size_t i = 0; i < kNutrientCount; ++i)
        texts[i] = StrPrintf("%d", m_picker.Values()[i]);
    const CFoodItem* item = m_picker.Chosen();
    m_pPanel->ShowValues(item ? item->ServingSizeName : std::string(), texts);
    m_pServings->SetCheck(m_picker.Mode() == CFoodPicker::kServings);
    m_pAmount->SetCheck(m_picker.Mode() == CFoodPicker::kAmount);
    m_pAmount->Enable(m_picker.AmountAllowed());
    if (item && ParseQuantity(ToUtf8(m_pQuantity->GetValue())) != m_picker.Quantity())
        ShowQuantity();
    Layout();
}

bool CFoodPickerDlg::TransferDataFromWindow()
{
    const auto quantity = ParseQuantity(ToUtf8(m_pQuantity->GetValue()));
    if (!quantity) {
        wxMessageBox("Please enter a number for the quantity.", "Leanlog", wxOK | wxICON_EXCLAMATION, this);
        m_pQuantity->SetFocus();
        m_pQuantity->SelectAll();
        return false;
    }
    m_picker.SetQuantity(*quantity);
    return true;
}
