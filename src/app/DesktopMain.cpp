#include "app/DesktopApp.h"

wxIMPLEMENT_APP(CDesktopApp);
