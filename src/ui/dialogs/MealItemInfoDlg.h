#pragma once

#include "entry/FoodItemFields.h"

#include <wx/dialog.h>

#include <array>

class wxTextCtrl;

/// The food item editor, laid out like the nutrition label: name, serving
/// size, amount and unit, calories and the nutrient values with their
/// percents. OK refuses the first field that is not a number in its range,
/// naming the field and the range, and puts the focus on it. Lives for one
/// ShowModal, on the stack; the opener reads Fields() after OK.
/// UI thread only.
class CMealItemInfoDlg : public wxDialog
{
public:
    /// `nameEnabled` false greys the name field (a saved item, or a further size).
    CMealItemInfoDlg(wxWindow* parent, const SFoodItemRecord& item, bool nameEnabled);

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    const SFoodItemRecord& Fields() const { return m_record; }
    wxTextCtrl* Field(size_t field) const { return m_fields.at(field); }

private:
    SFoodItemRecord m_record;
    std::array<wxTextCtrl*, kFoodFieldCount> m_fields{};
};
