#include "ui/app/WindowStartupPrompts.h"

#include "app/AboutText.h"
#include "ui/dialogs/HtmlDialog.h"
#include "ui/dialogs/NewDietDlg.h"

void CWindowStartupPrompts::ShowAbout()
{
    ShowHtmlDialog(m_pParent, AboutHtml(), m_bCloseAboutAtOnce);
}

std::optional<CNewDietAnswers> CWindowStartupPrompts::AskNewDiet()
{
    CNewDietDlg dialog(m_pParent, CDateTime::Now());
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.Answers();
}
