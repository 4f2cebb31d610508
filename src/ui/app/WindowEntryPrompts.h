#pragma once

#include "diet/NextDay.h"
#include "ui/app/WindowStartupPrompts.h"

class wxWindow;

/// The entry button's questions as windows: the missing-days warning, the
/// Day Info dialog (which saves on its own OK) and, for a restart, the New
/// Diet dialog. UI thread only.
class CWindowEntryPrompts : public CEntryPrompts
{
public:
    CWindowEntryPrompts(wxWindow* parent, CLeanlogApp& app) : m_pParent(parent), m_app(app), m_startup(parent) {}

    std::optional<CNewDietAnswers> AskNewDiet() override { return m_startup.AskNewDiet(); }
    EMissingDaysAnswer AskMissingDays(const std::string& html) override;
    bool EditDay(CDayEntry& entry) override;
    bool EnterDay(CDayEntry& entry, CLeanlogApp& app) override;

private:
    wxWindow* m_pParent;
    CLeanlogApp& m_app;
    CWindowStartupPrompts m_startup;
};
