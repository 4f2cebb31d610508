#pragma once

#include "base/DateTime.h"
#include "diet/NewDietAnswers.h"

#include <wx/dialog.h>

class wxDatePickerCtrl;
class wxTextCtrl;

/// The New Diet dialog: the day the diet starts and the goal weight. A goal
/// that is not a whole number from 0 to 1000 is refused with a message and
/// the dialog stays open. Lives for one ShowModal, on the stack; the opener
/// reads Answers() after OK. UI thread only.
class CNewDietDlg : public wxDialog
{
public:
    /// The picker opens on the calendar day of `now`.
    CNewDietDlg(wxWindow* parent, CDateTime now);

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    /// The picked calendar day at 00:00 and the goal weight, as taken by OK.
    const CNewDietAnswers& Answers() const { return m_answers; }

    wxDatePickerCtrl* DatePicker() const { return m_pDate; }
    wxTextCtrl* GoalField() const { return m_pGoal; }

private:
    CNewDietAnswers m_answers;
    wxDatePickerCtrl* m_pDate = nullptr;
    wxTextCtrl* m_pGoal = nullptr;
};
