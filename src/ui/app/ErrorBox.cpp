#include "ui/app/ErrorBox.h"

#include "ui/controls/WxText.h"

#include <wx/msgdlg.h>

void ShowError(wxWindow* parent, const std::string& message)
{
    wxMessageBox(ToWx(message), "Leanlog", wxOK | wxICON_ERROR, parent);
}
