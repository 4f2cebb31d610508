#pragma once

#include <wx/panel.h>

#include <string>

/// A tab page whose window is not part of this version yet (Past Info,
/// Carb Info): it carries its caption and says plainly that it is empty.
/// UI thread only.
class CPlaceholderPage : public wxPanel
{
public:
    CPlaceholderPage(wxWindow* parent, const std::string& caption);
};

inline constexpr const char* kPlaceholderText = "This page is not available in this version of Leanlog yet.";
