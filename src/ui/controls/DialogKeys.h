#pragma once

class wxDialog;
class wxWindow;

/// Return in `dialog` presses its default button, whatever field has the
/// focus, except on a button (it presses that one) and in `keepReturn` (a list
/// whose rows Return opens).
/// UI thread only.
void ReturnPressesDefault(wxDialog* dialog, wxWindow* keepReturn = nullptr);
