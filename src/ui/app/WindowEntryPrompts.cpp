#include "ui/app/WindowEntryPrompts.h"

#include "ui/dialogs/DayInfoDlg.h"
#include "ui/dialogs/MissingDaysDlg.h"

EMissingDaysAnswer CWindowEntryPrompts::AskMissingDays(const std::string& html)
{
    CMissingDaysDlg dialog(m_pParent, html);
    switch (dialog.ShowModal()) {
    case wxID_OK: return EMissingDaysAnswer::EnterAll;
    case CMissingDaysDlg::kIdStartDietOver: return EMissingDaysAnswer::StartOver;
    default: break;
    }
    return EMissingDaysAnswer::Cancel;
}

bool CWindowEntryPrompts::EditDay(CDayEntry& entry)
{
    CDayInfoDlg dialog(m_pParent, entry, m_app);
    return dialog.ShowModal() == wxID_OK;
}

bool CWindowEntryPrompts::EnterDay(CDayEntry& entry, CLeanlogApp&)
{
    return EditDay(entry);
}
