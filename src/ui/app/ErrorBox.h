#pragma once

#include <string>

class wxWindow;

/// The program's one way of telling the user that something failed: a
/// modal "Leanlog" message box with the error icon and an OK button over
/// `parent` (may be null). UI thread only.
void ShowError(wxWindow* parent, const std::string& message);
