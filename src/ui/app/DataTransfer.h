#pragma once

#include <optional>
#include <string>

class CLeanlogApp;
class wxWindow;

// The File menu's export, import and backup: each asks for a file, runs the
// core's operation and says what happened. UI thread only.

void ExportDaysTo(wxWindow* parent, CLeanlogApp& model);
/// True when days were written.
bool ImportWeightsFrom(wxWindow* parent, CLeanlogApp& model);
void BackUpDataTo(wxWindow* parent, CLeanlogApp& model);
/// The backup to restore, once the user chose one and confirmed; nullopt when cancelled.
std::optional<std::string> AskRestoreSource(wxWindow* parent);
