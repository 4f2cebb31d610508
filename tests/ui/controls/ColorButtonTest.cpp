#include "harness/WindowTest.h"

#include "ui/controls/ColorButton.h"

#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>

namespace {

const wxColour kRed(0xFF, 0, 0);
const wxColour kBlue(0, 0, 0xFF);

class CColorButtonTest : public CDesktopTest
{
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "button", wxPoint(0, 0), wxSize(400, 200));
        auto* panel = new wxPanel(m_pFrame);
        m_pButton = new CColorButton(panel, 1023, "About\nHarborline\nLending");
        m_pButton->SetColors(*wxWHITE, kRed, *wxWHITE, kBlue);
        m_pButton->SetSize(20, 20, 150, 80);
        m_pButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) { m_clicks.push_back(event.GetId()); });
        m_pFrame->Show();
        ASSERT_TRUE(WaitUntil([this] { return m_pFrame->IsShownOnScreen(); }));
        MoveMouseTo(panel, wxPoint(300, 150));
        Pump(std::chrono::milliseconds(100));
    }

    wxColour FillOnScreen()
    {
        const wxImage image = GrabWindow(m_pButton);
        return {image.GetRed(5, 10), image.GetGreen(5, 10), image.GetBlue(5, 10)};
    }

    wxFrame* m_pFrame = nullptr;
    CColorButton* m_pButton = nullptr;
    std::vector<int> m_clicks;
};

} // namespace

TEST_F(CColorButtonTest, LightsUpUnderTheMouseAndTheTimerNoticesLeaving)
{
    EXPECT_FALSE(m_pButton->IsHovered());
    EXPECT_EQ(FillOnScreen(), kRed);

    MoveMouseTo(m_pButton, wxPoint(75, 40));
    ASSERT_TRUE(WaitUntil([this] { return m_pButton->IsHovered(); }));
    EXPECT_TRUE(m_pButton->IsHoverTimerRunning());
    EXPECT_EQ(FillOnScreen(), kBlue);
    SaveScreenshot(m_pFrame, "control-color-button-hover");

    // Leaving sends the button nothing; the 10 ms timer sees the cursor outside.
    MoveMouseTo(m_pFrame, wxPoint(380, 180));
    EXPECT_TRUE(WaitUntil([this] { return !m_pButton->IsHovered(); }, std::chrono::seconds(2)));
    EXPECT_FALSE(m_pButton->IsHoverTimerRunning());
    EXPECT_EQ(FillOnScreen(), kRed);
}

TEST_F(CColorButtonTest, ClickSendsItsIdButReleasingOutsideDoesNot)
{
    ClickCentre(m_pButton);
    ASSERT_TRUE(WaitUntil([this] { return !m_clicks.empty(); }));
    EXPECT_EQ(m_clicks, std::vector<int>{1023});

    wxUIActionSimulator simulator;
    MoveMouseTo(m_pButton, wxPoint(75, 40));
    simulator.MouseDown();
    EXPECT_TRUE(WaitUntil([this] { return m_pButton->IsPressed(); }));
    MoveMouseTo(m_pFrame, wxPoint(380, 180));
    simulator.MouseUp();
    EXPECT_TRUE(WaitUntil([this] { return !m_pButton->IsPressed(); }));
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(m_clicks.size(), 1u);
}
