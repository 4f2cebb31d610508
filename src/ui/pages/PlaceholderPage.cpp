#include "ui/pages/PlaceholderPage.h"

#include "ui/controls/WxText.h"

#include <wx/sizer.h>
#include <wx/stattext.h>

CPlaceholderPage::CPlaceholderPage(wxWindow* parent, const std::string& caption)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE)
{
    SetLabel(ToWx(caption));
    SetBackgroundColour(*wxWHITE);
    auto* heading = new wxStaticText(this, wxID_ANY, ToWx(caption));
    heading->SetFont(heading->GetFont().Bold().Larger());
    auto* note = new wxStaticText(this, wxID_ANY, kPlaceholderText);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(heading, wxSizerFlags().Border(wxALL, FromDIP(12)));
    sizer->Add(note, wxSizerFlags().Border(wxLEFT | wxRIGHT, FromDIP(12)));
    SetSizer(sizer);
}
