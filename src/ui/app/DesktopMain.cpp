#include "ui/app/DesktopApp.h"

wxIMPLEMENT_APP(CDesktopApp);
