#include "ui/pages/CarbInfoPage.h"

#include "app/LeanlogApp.h"
#include "entry/FoodEditor.h"
#include "entry/FoodPicker.h"
#include "ui/app/ErrorBox.h"
#include "ui/controls/FoodSearchPanel.h"
#include "ui/controls/FoodTreeModel.h"
#include "ui/controls/NutritionPanel.h"
#include "ui/dialogs/MealItemInfoDlg.h"

#include <wx/dataview.h>
#include <wx/menu.h>
#include <wx/sizer.h>

#include <exception>

CCarbInfoPage::CCarbInfoPage(wxWindow* parent, CLeanlogApp& app)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE), m_app(app)
{
    SetLabel("Carb Info");
    m_pSearch = new CFoodSearchPanel(this, app.FoodSearch(),
                                     {.started = [this] { m_pShownBefore = m_pShown; },
                                      .ended = [this] { ShowItem(m_pShownBefore); },
                                      .chosen = [this](CFoodItem& item) { ShowItem(&item); },
                                      .activated = {}});
    m_pTree = new wxDataViewCtrl(m_pSearch, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxDV_SINGLE | wxDV_NO_HEADER);
    m_pModel = new CFoodTreeModel(m_tree);
    m_pTree->AssociateModel(m_pModel);
    m_pModel->DecRef();
    m_pTree->AppendTextColumn("Food", 0, wxDATAVIEW_CELL_INERT, -1, wxALIGN_LEFT);
    // The tree gives way to the label: its longest name is no minimum.
    m_pTree->SetMinSize(FromDIP(wxSize(200, 100)));
    m_pSearch->SetTree(m_pTree);
    m_pPanel = new CNutritionPanel(this);

    m_pTree->Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, [this](wxDataViewEvent&) {
        const SFoodNode* node = Selected();
        if (node && node->kind != EFoodNodeKind::Category)
            ShowItem(node->item);
    });
    m_pTree->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) { CallAfter(&CCarbInfoPage::RunCommand, static_cast<int>(kIdEditItem)); });
    m_pTree->Bind(wxEVT_DATAVIEW_ITEM_CONTEXT_MENU, [this](wxDataViewEvent&) {
        if (auto menu = ContextMenu())
            PopupMenu(menu.get());
    });
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) { RunCommand(event.GetId()); }, kIdAddItem, kIdDeleteItem);

    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(m_pSearch, wxSizerFlags(1).Expand().Border(wxALL, FromDIP(6)));
    sizer->Add(m_pPanel, wxSizerFlags().Expand().Border(wxLEFT, FromDIP(10)));
    SetSizer(sizer);
}

CCarbInfoPage::~CCarbInfoPage()
{
    // The control reads the tree, which goes with the page's members: the control goes first.
    m_tree.SetObserver(nullptr);
    delete m_pTree;
}

void CCarbInfoPage::EnsureTree()
{
    if (m_bBuilt)
        return;
    m_bBuilt = true;
    m_tree = CFoodTree::BuildPageTree(m_app.m_categories);
    m_tree.SetObserver(m_pModel);
    m_pModel->Cleared();
}

SFoodNode* CCarbInfoPage::Selected() const
{
    return CFoodTreeModel::Node(m_pTree->GetSelection());
}

void CCarbInfoPage::SelectNode(const SFoodNode* node)
{
    const wxDataViewItem item = CFoodTreeModel::Item(node);
    m_pTree->EnsureVisible(item);
    m_pTree->Select(item);
    if (node && node->kind != EFoodNodeKind::Category)
        ShowItem(node->item);
}

void CCarbInfoPage::ShowItem(const CFoodItem* item)
{
    m_pShown = item;
    const CNutrientValues values = item ? NutrientValues(*item) : CNutrientValues{};
    std::array<std::string, kNutrientCount> texts;
    for (size_t i = 0; i < kNutrientCount; ++i)
        texts[i] = StoredValueText(values[i]);
    m_pPanel->ShowValues(item ? item->ServingSizeName : std::string(), texts);
    Layout();
}

std::unique_ptr<wxMenu> CCarbInfoPage::ContextMenu() const
{
    const SFoodNode* node = Selected();
    if (!node)
        return nullptr;
    auto menu = std::make_unique<wxMenu>();
    menu->Append(kIdAddItem, "Add Item", "Add a new food item");
    menu->Append(kIdAddItemSize, "Add Item Size", "Add a new size of this food item");
    menu->Append(kIdEditItem, "Edit Item", "Edit this food item");
    menu->Append(kIdDeleteItem, "Delete Item", "Delete this food item");
    menu->Enable(kIdDeleteItem, CFoodEditor::ItemOf(node) != nullptr);
    return menu;
}

void CCarbInfoPage::RunCommand(int command)
{
    SFoodNode* selected = Selected();
    if (!selected)
        return;
    try {
        switch (command) {
        case kIdAddItem: AddItem(selected); break;
        case kIdAddItemSize: AddItemSize(selected); break;
        case kIdEditItem: EditItem(selected); break;
        case kIdDeleteItem: CFoodEditor(m_app, m_tree).DeleteItem(*selected); break;
        default: break;
        }
    } catch (const std::exception& e) {
        ShowError(wxGetTopLevelParent(this), e.what());
    }
}

void CCarbInfoPage::AddItem(SFoodNode* selected)
{
    CItemCategory* category = CFoodEditor::AddItemTarget(selected);
    if (!category)
        return;
    if (const auto fields = AskItemFields(SFoodItemRecord(), true))
        SelectNode(static_cast<SFoodNode*>(CFoodEditor(m_app, m_tree).AddItem(*category, *fields).m_hTreeNode));
}

void CCarbInfoPage::AddItemSize(SFoodNode* selected)
{
    CFoodItem* base = CFoodEditor::ItemOf(selected);
    if (!base)
        return;
    SFoodItemRecord start;
    start.ItemName = base->ItemName;
    if (const auto fields = AskItemFields(start, false))
        SelectNode(static_cast<SFoodNode*>(CFoodEditor(m_app, m_tree).AddItemSize(*base, *fields).m_hTreeNode));
}

void CCarbInfoPage::EditItem(SFoodNode* selected)
{
    CFoodItem* item = CFoodEditor::ItemOf(selected);
    if (!item)
        return;
    if (const auto fields = AskItemFields(*item, item->ID == 0)) {
        CFoodEditor(m_app, m_tree).EditItem(*item, *fields);
        ShowItem(item);
    }
}

std::optional<SFoodItemRecord> CCarbInfoPage::AskItemFields(const SFoodItemRecord& start, bool nameEnabled)
{
    CMealItemInfoDlg dialog(wxGetTopLevelParent(this), start, nameEnabled);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.Fields();
}
