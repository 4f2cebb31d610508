#include "ui/dialogs/MealItemInfoDlg.h"

#include "ui/controls/DialogKeys.h"
#include "ui/controls/WxText.h"

#include <wx/gbsizer.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

/// A nutrient line: its label, gram or milligram field, unit and percent field.
struct SLine
{
    const char* label;
    size_t field;
    const char* unit;
    int percentField;   // -1 for none
};

constexpr SLine kLines[] = {
    {"Total Fat", 4, "g", 5},         {"Saturated Fat", 6, "g", 7},   {"Polyunsaturated Fat", 8, "g", -1},
    {"Monounsaturated Fat", 9, "g", -1}, {"Cholesterol", 10, "mg", 11}, {"Sodium", 12, "mg", 13},
    {"Total Carbohydrates", 14, "g", 15}, {"Dietary Fiber", 16, "g", 17}, {"Sugars", 18, "g", -1},
};

} // namespace

CMealItemInfoDlg::CMealItemInfoDlg(wxWindow* parent, const SFoodItemRecord& item, bool nameEnabled)
    : wxDialog(parent, wxID_ANY, "Meal Item Info"), m_record(item)
{
    const int gap = ConvertDialogToPixels(wxSize(4, 4)).x;
    const int number = ConvertDialogToPixels(wxSize(44, 0)).x;
    const int text = ConvertDialogToPixels(wxSize(160, 0)).x;
    auto* grid = new wxGridBagSizer(gap, gap);
    int row = 0;
    auto label = [&](const char* t, int r, int c, int span = 1, bool bold = false) {
        auto* s = new wxStaticText(this, wxID_ANY, t);
        if (bold)
            s->SetFont(s->GetFont().Bold());
        grid->Add(s, wxGBPosition(r, c), wxGBSpan(1, span), wxALIGN_CENTER_VERTICAL);
    };
    // Fields are made in the order they stand on screen, which is the tab order.
    auto field = [&](size_t f, int r, int c, int span, int width) {
        m_fields[f] = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(width, -1));
        m_fields[f]->SetName(ToWx(kFoodFields[f].label));
        grid->Add(m_fields[f], wxGBPosition(r, c), wxGBSpan(1, span), wxEXPAND);
    };
    auto* title = new wxStaticText(this, wxID_ANY, "Nutrition Facts");
    title->SetFont(wxFont(wxFontInfo(15).Bold().FaceName("Arial")));
    grid->Add(title, wxGBPosition(row++, 0), wxGBSpan(1, 5));
    label("Item Name", row, 0);
    field(kItemNameField, row++, 1, 4, text);
    label("Serving Size", row, 0);
    field(kServingSizeField, row++, 1, 4, text);
    label("Serving Amount", row, 0);
    field(kServingAmountField, row, 1, 1, number);
    label("Unit", row, 2);
    field(kUnitField, row++, 3, 2, number);
    label("Amount Per Serving", row++, 0, 5, true);
    label("Calories", row, 0, 1, true);
    field(kFirstNumberField, row, 1, 1, number);
    label("Calories from Fat", row, 2);
    field(kFirstNumberField + 1, row++, 3, 1, number);
    label("% Daily Values", row++, 3, 2, true);
    for (const SLine& line : kLines) {
        label(line.label, row, 0);
        field(line.field, row, 1, 1, number);
        label(line.unit, row, 2);
        if (line.percentField >= 0) {
            field(static_cast<size_t>(line.percentField), row, 3, 1, number);
            label("%", row, 4);
        }
        ++row;
    }
    m_fields[kItemNameField]->Enable(nameEnabled);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(grid, wxSizerFlags(1).Expand().Border(wxALL, gap * 2));
    sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border(wxALL, gap * 2));
    SetSizer(sizer);
    Fit();
    CentreOnParent();
    ReturnPressesDefault(this);
    (nameEnabled ? m_fields[kItemNameField] : m_fields[kServingSizeField])->SetFocus();
}

bool CMealItemInfoDlg::TransferDataToWindow()
{
    const CFoodFieldTexts texts = FoodFieldTexts(m_record);
    for (size_t i = 0; i < kFoodFieldCount; ++i)
        m_fields[i]->ChangeValue(ToWx(texts[i]));
    return true;
}

bool CMealItemInfoDlg::TransferDataFromWindow()
{
    CFoodFieldTexts texts;
    for (size_t i = 0; i < kFoodFieldCount; ++i)
        texts[i] = ToUtf8(m_fields[i]->GetValue());
    if (const auto error = ReadFoodFields(texts, m_record)) {
        wxMessageBox(ToWx(error->message), "Leanlog", wxOK | wxICON_EXCLAMATION, this);
        m_fields[error->field]->SetFocus();
        m_fields[error->field]->SelectAll();
        return false;
    }
    return true;
}
