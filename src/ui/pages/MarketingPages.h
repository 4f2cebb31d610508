#pragma once

#include "ui/pages/BrowserPage.h"

#include <string>

/// Tab 6, "Pellaware": fixed HTML about the sponsored-distribution programme.
class CPellawarePage : public CBrowserPage
{
public:
    CPellawarePage(wxWindow* parent, CChildView& view);
};

/// Tab 7, "Sponsor": fixed HTML about the sponsor.
class CSponsorPage : public CBrowserPage
{
public:
    CSponsorPage(wxWindow* parent, CChildView& view);
};
