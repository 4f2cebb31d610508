#pragma once

#include <string>

/// Asks whether to install: a dialog when a display is there (and the
/// updater was built with the window toolkit), else a line from standard
/// input ("y" or "yes"). No answer is no.
bool AskToInstall(int argc, char** argv, const std::string& question);

/// The dialog; false when there is no display to show it on.
bool AskInDialog(int argc, char** argv, const std::string& question, bool& yes);
