#include "ui/pages/MarketingPages.h"

#include "app/MarketingText.h"

CPellawarePage::CPellawarePage(wxWindow* parent, CChildView& view)
    : CBrowserPage(parent, view, "Pellaware", PellawareHtml())
{
}

CSponsorPage::CSponsorPage(wxWindow* parent, CChildView& view)
    : CBrowserPage(parent, view, "Sponsor", SponsorHtml())
{
}
