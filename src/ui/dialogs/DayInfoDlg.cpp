#include "ui/dialogs/DayInfoDlg.h"

#include "entry/DayEntry.h"
#include "entry/EntryInputRules.h"
#include "ui/app/ErrorBox.h"
#include "ui/controls/DialogKeys.h"
#include "ui/controls/WxText.h"
#include "ui/dialogs/MealGridModel.h"
#include "ui/dialogs/MealInfoDlg.h"

#include <wx/checkbox.h>
#include <wx/dataview.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <exception>

namespace {

const wxSize kGridSize(311, 150);   // dialog units
constexpr int kFieldWidth = 40;     // dialog units
constexpr int kDateWidth = 161;     // dialog units

struct SColumn
{
    const char* heading;
    int width;   // pixels
};
constexpr SColumn kColumns[] = {{"Meal", 90}, {"Item", 160}, {"Size", 160}, {"Carbs", 50}};

} // namespace

CDayInfoDlg::CDayInfoDlg(wxWindow* parent, CDayEntry& entry, CLeanlogApp& app)
    : wxDialog(parent, wxID_ANY, "Day Info", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_entry(entry), m_app(app)
{
    const int gap = ConvertDialogToPixels(wxSize(7, 7)).x;
    const int fieldWidth = ConvertDialogToPixels(wxSize(kFieldWidth, 0)).x;
    m_pDate = new wxStaticText(this, wxID_ANY, "");
    m_pDate->SetMinSize(wxSize(ConvertDialogToPixels(wxSize(kDateWidth, 0)).x, -1));
    m_pWeight = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(fieldWidth * 2, -1));
    m_pSteps = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(fieldWidth * 2, -1));
    m_pProteinDay = new wxCheckBox(this, wxID_ANY, "Protein Day");
    m_pGrid = new wxDataViewCtrl(this, wxID_ANY, wxDefaultPosition, ConvertDialogToPixels(kGridSize),
                                 wxDV_SINGLE | wxDV_HORIZ_RULES | wxDV_VERT_RULES);
    m_pModel = new CMealGridModel(m_entry);
    m_pGrid->AssociateModel(m_pModel);
    m_pModel->DecRef();
    for (unsigned c = 0; c < 4; ++c) {
        int width = FromDIP(kColumns[c].width);
        // The meal labels show whole in fonts wider than the designed one.
        if (c == 0)
            for (const auto& slot : kGridSlots)
                width = std::max(width, GetTextExtent(ToWx(slot.label)).x + FromDIP(16));
        if (c == kSupplementColumn) {
            auto* renderer = new CSupplementRenderer([this](unsigned row) {
                if (!m_entry.ToggleSupplement(static_cast<int>(row)))
                    return false;
                m_pModel->RowChanged(row);
                return true;
            });
            m_pGrid->AppendColumn(new wxDataViewColumn(kColumns[c].heading, renderer, c, width, wxALIGN_LEFT));
        } else {
            m_pGrid->AppendTextColumn(kColumns[c].heading, c, wxDATAVIEW_CELL_INERT, width, wxALIGN_LEFT);
        }
    }

    // The weight field shows what will be stored once the user leaves it.
    m_pWeight->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        m_pWeight->ChangeValue(ToWx(StoredWeightText(ToUtf8(m_pWeight->GetValue()))));
        event.Skip();
    });
    m_pProteinDay->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnProteinDay(); });
    m_pGrid->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, &CDayInfoDlg::OnActivated, this);

    auto* dateLine = new wxBoxSizer(wxHORIZONTAL);
    dateLine->Add(new wxStaticText(this, wxID_ANY, "Date"), wxSizerFlags().Border(wxRIGHT, gap));
    dateLine->Add(m_pDate, wxSizerFlags(1));
    auto* fields = new wxBoxSizer(wxHORIZONTAL);
    fields->Add(new wxStaticText(this, wxID_ANY, "Weight"), wxSizerFlags().CenterVertical().Border(wxRIGHT, gap / 2));
    fields->Add(m_pWeight, wxSizerFlags().CenterVertical().Border(wxRIGHT, gap * 2));
    fields->Add(new wxStaticText(this, wxID_ANY, "Steps"), wxSizerFlags().CenterVertical().Border(wxRIGHT, gap / 2));
    fields->Add(m_pSteps, wxSizerFlags().CenterVertical().Border(wxRIGHT, gap * 2));
    fields->Add(m_pProteinDay, wxSizerFlags().CenterVertical());
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(dateLine, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, gap));
    sizer->Add(fields, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, gap));
    sizer->Add(m_pGrid, wxSizerFlags(1).Expand().Border(wxALL, gap));
    sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, gap));
    SetSizer(sizer);
    // The grid shows its four columns whole.
    int columns = 0;
    for (unsigned c = 0; c < 4; ++c)
        columns += m_pGrid->GetColumn(c)->GetWidth();
    m_pGrid->SetMinSize(wxSize(std::max(columns + FromDIP(24), ConvertDialogToPixels(kGridSize).x),
                               ConvertDialogToPixels(kGridSize).y));
    Fit();
    CentreOnParent();
    ReturnPressesDefault(this, m_pGrid);
    m_pWeight->SetFocus();
}

bool CDayInfoDlg::TransferDataToWindow()
{
    m_pDate->SetLabel(ToWx(m_entry.m_strDate));
    m_pWeight->ChangeValue(ToWx(m_entry.m_strWeight));
    m_pSteps->ChangeValue(ToWx(m_entry.m_strSteps));
    m_pProteinDay->SetValue(m_entry.m_bProteinDay);
    FillGrid();
    m_pWeight->SelectAll();
    return true;
}

bool CDayInfoDlg::TransferDataFromWindow()
{
    const std::string weight = ToUtf8(m_pWeight->GetValue());
    const std::string steps = ToUtf8(m_pSteps->GetValue());
    if (const auto error = ValidateDayEntry(weight, steps)) {
        wxTextCtrl* field = error->field == EDayField::Weight ? m_pWeight : m_pSteps;
        wxMessageBox(ToWx(error->message), "Leanlog", wxOK | wxICON_EXCLAMATION, this);
        field->SetFocus();
        field->SelectAll();
        return false;
    }
    m_entry.m_strWeight = weight;
    m_entry.m_strSteps = steps;
    m_entry.m_bProteinDay = m_pProteinDay->GetValue();
    try {
        m_entry.FinishDay(m_app);
    } catch (const std::exception& e) {
        ShowError(this, e.what());
        return false;
    }
    return true;
}

void CDayInfoDlg::FillGrid()
{
    m_pModel->Reset(static_cast<unsigned>(m_entry.m_nRows));
}

void CDayInfoDlg::OnProteinDay()
{
    m_entry.m_strWeight = ToUtf8(m_pWeight->GetValue());
    m_entry.m_strSteps = ToUtf8(m_pSteps->GetValue());
    m_entry.ProteinDayClicked(m_pProteinDay->GetValue());
    m_pDate->SetLabel(ToWx(m_entry.m_strDate));
    m_pProteinDay->SetValue(m_entry.m_bProteinDay);
    FillGrid();
}

void CDayInfoDlg::OnActivated(wxDataViewEvent& event)
{
    if (!event.GetItem().IsOk())
        return;
    // Meal Info opens once the click or key that asked for it has finished.
    CallAfter(&CDayInfoDlg::EditRow, static_cast<int>(m_pModel->GetRow(event.GetItem())));
}

void CDayInfoDlg::EditRow(int row)
{
    auto info = m_entry.OpenSlot(row);
    if (!info)
        return;
    CMealInfoDlg dialog(this, *info, m_app);
    if (dialog.ShowModal() != wxID_OK)
        return;
    m_entry.ApplySlot(row, *info);
    m_pModel->RowChanged(static_cast<unsigned>(row));
}
