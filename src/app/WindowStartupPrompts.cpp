#include "app/WindowStartupPrompts.h"

#include "app/AboutText.h"
#include "app/HtmlDialog.h"
#include "entry/NewDietDlg.h"

void CWindowStartupPrompts::ShowAbout()
{
    CHtmlDialog dialog(m_pParent, AboutHtml());
    if (m_bCloseAboutAtOnce)
        dialog.CallAfter([&dialog] { dialog.EndModal(wxID_OK); });
    dialog.ShowModal();
}

std::optional<CNewDietAnswers> CWindowStartupPrompts::AskNewDiet()
{
    CNewDietDlg dialog(m_pParent, CDateTime::Now());
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.Answers();
}
