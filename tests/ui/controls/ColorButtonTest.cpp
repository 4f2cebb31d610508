#include "harness/WindowTest.h"

#include "ui/controls/ColorButton.h"

#include <wx/panel.h>

using CColorButtonTest = CDesktopTest;

TEST_F(CColorButtonTest, LightsUpUnderTheMouseAndClicksOnlyWhenReleasedOnIt)
{
    const wxColour red(0xFF, 0, 0);
    const wxColour blue(0, 0, 0xFF);
    auto* frame = new wxFrame(nullptr, wxID_ANY, "button", wxPoint(0, 0), wxSize(400, 200));
    auto* button = new CColorButton(new wxPanel(frame), 1023, "About\nHarborline\nLending");
    button->SetColors(*wxWHITE, red, *wxWHITE, blue);
    button->SetSize(20, 20, 150, 80);
    std::vector<int> clicks;
    button->Bind(wxEVT_BUTTON, [&clicks](wxCommandEvent& event) { clicks.push_back(event.GetId()); });
    frame->Show();
    ASSERT_TRUE(WaitUntil([frame] { return frame->IsShownOnScreen(); }));
    const auto fill = [button] { return PixelAt(GrabWindow(button), 5, 10); };
    const wxPoint outside(380, 180);
    MoveMouseTo(frame, outside);
    EXPECT_FALSE(button->IsHovered());
    EXPECT_EQ(fill(), red);

    MoveMouseTo(button, wxPoint(75, 40));
    ASSERT_TRUE(WaitUntil([button] { return button->IsHovered(); }));
    EXPECT_EQ(fill(), blue);
    SaveScreenshot(frame, "control-color-button-hover");
    // Leaving sends the button nothing; its timer sees the cursor outside.
    MoveMouseTo(frame, outside);
    EXPECT_TRUE(WaitUntil([button] { return !button->IsHovered(); }, std::chrono::seconds(2)));
    EXPECT_FALSE(button->IsHoverTimerRunning());
    EXPECT_EQ(fill(), red);

    ClickCentre(button);
    ASSERT_TRUE(WaitUntil([&clicks] { return !clicks.empty(); }));
    EXPECT_EQ(clicks, std::vector<int>{1023});
    wxUIActionSimulator simulator;
    MoveMouseTo(button, wxPoint(75, 40));
    simulator.MouseDown();
    EXPECT_TRUE(WaitUntil([button] { return button->IsPressed(); }));
    MoveMouseTo(frame, outside);
    simulator.MouseUp();
    EXPECT_TRUE(WaitUntil([button] { return !button->IsPressed(); }));
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(clicks.size(), 1u);
}
