// The updater without the window toolkit asks on the terminal only.
#include "updater/InstallQuestion.h"

bool AskInDialog(int, char**, const std::string&, bool&)
{
    return false;
}
