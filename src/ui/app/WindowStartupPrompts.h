#pragma once

#include "app/StartupPrompts.h"

class wxWindow;

/// Start-up's and the restart's questions as windows: the About text in a
/// CHtmlDialog and the New Diet dialog. UI thread only.
class CWindowStartupPrompts : public CStartupPrompts
{
public:
    /// `parent` may be null (before the main window exists). With
    /// `closeAboutAtOnce` the About box closes as soon as it is shown (the
    /// start-up benchmark's setting).
    explicit CWindowStartupPrompts(wxWindow* parent, bool closeAboutAtOnce = false)
        : m_pParent(parent), m_bCloseAboutAtOnce(closeAboutAtOnce)
    {
    }

    void ShowAbout() override;
    std::optional<CNewDietAnswers> AskNewDiet() override;

private:
    wxWindow* m_pParent;
    bool m_bCloseAboutAtOnce;
};
