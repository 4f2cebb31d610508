// The updater's question in a message dialog (built with the window toolkit).
#include "updater/InstallQuestion.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/msgdlg.h>

#include <cstdlib>

bool AskInDialog(int argc, char** argv, const std::string& question, bool& yes)
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    if (!set("DISPLAY") && !set("WAYLAND_DISPLAY"))
        return false;
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv))
        return false;
    wxTheApp->CallOnInit();
    {
        wxMessageDialog dialog(nullptr, wxString::FromUTF8(question.data(), question.size()), "Leanlog update",
                               wxYES_NO | wxICON_QUESTION);
        yes = dialog.ShowModal() == wxID_YES;
    }
    wxEntryCleanup();
    return true;
}
