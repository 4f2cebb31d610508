#include "harness/DialogDriving.h"

#include "ui/controls/ThemedButton.h"

#include <wx/panel.h>

using CThemedButtonTest = CDesktopTest;

TEST_F(CThemedButtonTest, RadioGroupChecksOneNotifiesTheParentAndIgnoresAReleaseOutside)
{
    ASSERT_NO_FATAL_FAILURE(StartFirstRun(AnswersDaysAgo(0, 150)));
    auto* panel = new wxPanel(Frame());
    auto* first = new CThemedCheckButton(panel, 1, "Quantity");
    auto* second = new CThemedCheckButton(panel, 2, "Amount");
    second->Move(0, first->GetSize().y + 10);
    panel->SetSize(300, 100);
    first->SetCheck(true);
    std::vector<int> clicked;
    panel->Bind(wxEVT_BUTTON, [&clicked](wxCommandEvent& event) { clicked.push_back(event.GetId()); });
    Pump(std::chrono::milliseconds(100));

    ClickCentre(second);
    EXPECT_TRUE(second->GetCheck());
    EXPECT_FALSE(first->GetCheck());
    ClickCentre(second);   // the checked one again: stays checked, still tells the parent
    EXPECT_TRUE(second->GetCheck());
    EXPECT_EQ(clicked, (std::vector<int>{2, 2}));

    // Pressed on the first, released off it: nothing changes.
    MoveMouseTo(first, wxPoint(5, first->GetSize().y / 2));
    wxUIActionSimulator mouse;
    mouse.MouseDown();
    Pump(std::chrono::milliseconds(60));
    MoveMouseTo(panel, wxPoint(250, 90));
    mouse.MouseUp();
    Pump(std::chrono::milliseconds(60));
    EXPECT_FALSE(first->GetCheck());
    EXPECT_EQ(clicked.size(), 2u);

    // The space bar checks the focused button; an arrow key moves the check through the group.
    first->SetFocus();
    PressKey(WXK_SPACE);
    EXPECT_TRUE(first->GetCheck());
    PressKey(WXK_DOWN);
    EXPECT_TRUE(second->GetCheck());
    EXPECT_FALSE(first->GetCheck());
    panel->Destroy();
}
