#include "ui/controls/DialogKeys.h"

#include <wx/button.h>
#include <wx/dialog.h>

void ReturnPressesDefault(wxDialog* dialog, wxWindow* keepReturn)
{
    dialog->Bind(wxEVT_CHAR_HOOK, [dialog, keepReturn](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        wxWindow* focus = wxWindow::FindFocus();
        const bool inKept = (keepReturn && focus && (focus == keepReturn || keepReturn->IsDescendant(focus))) ||
                            dynamic_cast<wxButton*>(focus);
        if ((key != WXK_RETURN && key != WXK_NUMPAD_ENTER) || event.HasAnyModifiers() || inKept) {
            event.Skip();
            return;
        }
        auto* button = dynamic_cast<wxButton*>(dialog->GetDefaultItem());
        if (!button)
            button = dynamic_cast<wxButton*>(dialog->FindWindow(dialog->GetAffirmativeId()));
        if (!button || !button->IsEnabled()) {
            event.Skip();
            return;
        }
        wxCommandEvent click(wxEVT_BUTTON, button->GetId());
        click.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(click);
    });
}
