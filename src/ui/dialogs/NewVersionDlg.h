#pragma once

#include "update/ProgramUpdates.h"

#include <wx/dialog.h>

#include <array>

class wxRadioButton;

/// "New Version Found": when to install the downloaded program update.
/// "Install Now" is preselected; the answer is read however the dialog was
/// closed. Lives for one ShowModal, on the stack. UI thread only.
class CNewVersionDlg : public wxDialog
{
public:
    explicit CNewVersionDlg(wxWindow* parent);

    ENewVersionAnswer Answer() const;
    /// The radio buttons in answer order.
    wxRadioButton* Choice(ENewVersionAnswer answer) const { return m_choices[static_cast<size_t>(answer)]; }

private:
    std::array<wxRadioButton*, 3> m_choices{};
};
