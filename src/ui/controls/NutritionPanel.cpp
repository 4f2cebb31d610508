#include "ui/controls/NutritionPanel.h"

#include "ui/controls/ColorStatic.h"
#include "ui/controls/SeparatorLine.h"
#include "ui/controls/WxText.h"

#include <wx/sizer.h>

#include <algorithm>

namespace {

enum class EStyle { Plain, Bold, Indented };

/// One nutrient row: label, unit, and the index of its percent value (or none).
struct SRow
{
    const char* label;
    EStyle style;
    size_t value;
    const char* unit;
    int percent;   // index among the values, -1 for none
};

// Indices follow NutrientValues: 0 Calories, 1 FatCalories, 2 FatGrams ... 16 Sugars, 17 net carbs.
constexpr SRow kRows[] = {
    {"Total Fat", EStyle::Bold, 2, "g", 3},
    {"Saturated Fat", EStyle::Indented, 4, "g", 5},
    {"Polyunsaturated Fat", EStyle::Indented, 6, "g", -1},
    {"Monounsaturated Fat", EStyle::Indented, 7, "g", -1},
    {"Cholesterol", EStyle::Bold, 8, "mg", 9},
    {"Sodium", EStyle::Bold, 10, "mg", 11},
    {"Total Carbohydrates", EStyle::Bold, 12, "g", 13},
    {"Dietary Fiber", EStyle::Indented, 14, "g", 15},
    {"Net Carbs", EStyle::Indented, 17, "g", -1},
    {"Sugars", EStyle::Indented, 16, "g", -1},
};

constexpr int kMinWidth = 300;   // DIP

wxFont ArialBold(int points)
{
    return wxFont(wxFontInfo(points).Bold().FaceName("Arial"));
}

} // namespace

CNutritionPanel::CNutritionPanel(wxWindow* parent) : wxPanel(parent, wxID_ANY)
{
    SetBackgroundColour(*wxWHITE);
    const int gap = FromDIP(4);
    auto label = [this](const wxString& text, const wxFont& font = wxNullFont, long style = 0) {
        auto* s = new CColorStatic(this, text, style);
        s->SetBkColor(*wxWHITE);
        if (font.IsOk()) {
            s->SetFont(font);
            // The size of the text in its own font, on one line.
            s->SetMinSize(s->GetTextExtent(text) + wxSize(FromDIP(2), 0));
        }
        return s;
    };
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto rule = [&](int thickness) {
        sizer->Add(new CSeparatorLine(this, thickness), wxSizerFlags().Expand().Border(wxTOP | wxBOTTOM, 1));
    };
    auto* title = label("Nutrition Facts", ArialBold(15));
    title->SetName("title");
    sizer->Add(title);
    auto* serving = new wxBoxSizer(wxHORIZONTAL);
    serving->Add(label("Serving Size"), wxSizerFlags().Border(wxRIGHT, gap));
    m_pServing = label("");
    serving->Add(m_pServing, wxSizerFlags(1));
    sizer->Add(serving, wxSizerFlags().Expand());
    rule(10);
    sizer->Add(label("Amount Per Serving", ArialBold(9)));
    auto* calories = new wxBoxSizer(wxHORIZONTAL);
    calories->Add(label("Calories", ArialBold(10)), wxSizerFlags().Border(wxRIGHT, gap));
    m_values[0] = label("0", ArialBold(10));
    m_values[0]->SetMinSize(wxDefaultSize);   // a value sizes itself to what it shows
    calories->Add(m_values[0]);
    calories->AddStretchSpacer();
    calories->Add(label("Calories from Fat"), wxSizerFlags().Border(wxRIGHT, gap));
    m_values[1] = label("0");
    calories->Add(m_values[1]);
    sizer->Add(calories, wxSizerFlags().Expand());
    rule(4);
    sizer->Add(label("% Daily Value"), wxSizerFlags().Right());
    for (const SRow& row : kRows) {
        rule(2);
        auto* line = new wxBoxSizer(wxHORIZONTAL);
        if (row.style == EStyle::Indented)
            line->AddSpacer(FromDIP(12));
        line->Add(label(row.label, row.style == EStyle::Bold ? ArialBold(10) : wxNullFont),
                  wxSizerFlags().Border(wxRIGHT, gap));
        m_values[row.value] = label("0");
        line->Add(m_values[row.value]);
        line->Add(label(row.unit));
        line->AddStretchSpacer();
        if (row.percent >= 0) {
            m_values[static_cast<size_t>(row.percent)] = label("0");
            line->Add(m_values[static_cast<size_t>(row.percent)]);
            line->Add(label("%"));
        }
        sizer->Add(line, wxSizerFlags().Expand());
    }
    rule(2);
    auto* outer = new wxBoxSizer(wxVERTICAL);
    outer->Add(sizer, wxSizerFlags(1).Expand().Border(wxALL, FromDIP(10)));
    SetSizer(outer);
    // Wide enough for the title and a row's value and percent side by side.
    SetMinSize(wxSize(std::max(GetBestSize().x, FromDIP(kMinWidth)), -1));
}

void CNutritionPanel::ShowValues(const std::string& servingSize, const std::array<std::string, kNutrientCount>& values)
{
    m_pServing->SetLabel(ToWx(servingSize));
    for (size_t i = 0; i < kNutrientCount; ++i)
        m_values[i]->SetLabel(ToWx(values[i]));
    Layout();
}

wxString CNutritionPanel::ServingText() const
{
    return m_pServing->GetLabel();
}

wxString CNutritionPanel::ValueText(size_t value) const
{
    return m_values.at(value)->GetLabel();
}
