#pragma once

#include "entry/FoodPicker.h"

#include <wx/panel.h>

#include <array>
#include <string>

class CColorStatic;

/// The nutrition facts panel, laid out like a food label on white: title,
/// serving size, the 10-pixel bar, calories, the 4-pixel bar, the nutrient
/// rows with their units and daily-value percents between thin rules.
/// UI thread only.
class CNutritionPanel : public wxPanel
{
public:
    explicit CNutritionPanel(wxWindow* parent);

    /// Shows a serving size text and the value texts in NutrientValues' order.
    void ShowValues(const std::string& servingSize, const std::array<std::string, kNutrientCount>& values);

    wxString ServingText() const;
    wxString ValueText(size_t value) const;

private:
    CColorStatic* m_pServing = nullptr;
    std::array<CColorStatic*, kNutrientCount> m_values{};
};
