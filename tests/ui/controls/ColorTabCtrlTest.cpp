#include "harness/WindowTest.h"

#include "ui/controls/ColorTabCtrl.h"
#include "ui/controls/WxText.h"

#include <wx/frame.h>
#include <wx/settings.h>
#include <wx/uiaction.h>

namespace {

/// A frame holding only a tab strip with three tabs.
class CColorTabCtrlTest : public CDesktopTest
{
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "tabs", wxPoint(0, 0), wxSize(500, 200));
        m_pTabs = new CColorTabCtrl(m_pFrame, wxID_ANY);
        for (const char* text : {"First", "Second", "Third"})
            m_pTabs->InsertItem(m_pTabs->GetItemCount(), text);
        m_pFrame->Show();
        ASSERT_TRUE(WaitUntil([this] { return m_pFrame->IsShownOnScreen(); }));
        Pump(std::chrono::milliseconds(200));
    }

    wxColour PixelInTab(int tab)
    {
        const wxImage image = GrabWindow(m_pTabs);
        const wxRect rect = m_pTabs->GetItemRect(tab);
        const int x = rect.x + 3;
        const int y = rect.y + rect.height - 3;
        return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
    }

    void ClickTab(int tab)
    {
        const wxRect rect = m_pTabs->GetItemRect(tab);
        ClickAt(m_pTabs, wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
    }

    wxFrame* m_pFrame = nullptr;
    CColorTabCtrl* m_pTabs = nullptr;
};

} // namespace

TEST(ColorTabLabel, ShowsAtMostItsFirst127Characters)
{
    struct SCase
    {
        const char* why;
        std::string text;
        std::string shown;
    };
    const std::string e = "\xC3\xA9";   // one character, two bytes
    std::string e127;
    std::string e130;
    for (int i = 0; i < 130; ++i)
        (i < 127 ? e127 : e130) += e;
    e130 = e127 + e130;
    const SCase cases[] = {
        {"short", "Main", "Main"},
        {"empty", "", ""},
        {"exactly 127", std::string(127, 'a'), std::string(127, 'a')},
        {"128 cut to 127", std::string(128, 'b'), std::string(127, 'b')},
        {"long", std::string(300, 'c'), std::string(127, 'c')},
        {"counted in characters, not bytes", e130, e127},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TabLabelText(c.text), c.shown) << c.why;
}

TEST_F(CColorTabCtrlTest, ColoursSetAfterCreationShowAtTheNextRepaint)
{
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    EXPECT_EQ(PixelInTab(1), face) << "without owner drawing the system colours";
    m_pTabs->SetOwnerDrawn(true);
    m_pTabs->SetColors(*wxWHITE, wxColour(0xFF, 0, 0));
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(PixelInTab(1), *wxWHITE);
    m_pTabs->SetColors(wxColour(0xFF, 0xFF, 0), wxColour(0, 0, 0xFF));
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(PixelInTab(1), wxColour(0xFF, 0xFF, 0));
    EXPECT_EQ(PixelInTab(0), wxColour(0xFF, 0xFF, 0)) << "the selected tab has the same colours";
    SaveScreenshot(m_pFrame, "control-color-tabs");
}

TEST_F(CColorTabCtrlTest, ClickSendsChangingThenChangedAndAVetoKeepsTheSelection)
{
    std::vector<std::string> events;
    m_pTabs->Bind(EVT_COLORTAB_SELCHANGING, [&](wxBookCtrlEvent& event) {
        events.push_back("changing " + std::to_string(event.GetOldSelection()) + ">" +
                         std::to_string(event.GetSelection()));
        if (event.GetSelection() == 2)
            event.Veto();
    });
    m_pTabs->Bind(EVT_COLORTAB_SELCHANGED, [&](wxBookCtrlEvent& event) {
        events.push_back("changed " + std::to_string(event.GetOldSelection()) + ">" +
                         std::to_string(event.GetSelection()));
    });
    ClickTab(1);
    ClickTab(1);   // the selected tab: nothing
    ClickTab(2);   // vetoed
    ClickAt(m_pTabs, wxPoint(m_pTabs->GetClientSize().x - 5, m_pTabs->GetItemRect(0).y + 3));   // beside the tabs
    ClickTab(0);
    ASSERT_TRUE(WaitUntil([&] { return events.size() >= 5; }));
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(events, (std::vector<std::string>{"changing 0>1", "changed 0>1", "changing 1>2", "changing 1>0",
                                                "changed 1>0"}));
    EXPECT_EQ(m_pTabs->GetCurSel(), 0);
}

TEST_F(CColorTabCtrlTest, ArrowKeysMoveTheSelectionLikeClicks)
{
    int changed = 0;
    m_pTabs->Bind(EVT_COLORTAB_SELCHANGED, [&](wxBookCtrlEvent&) { ++changed; });
    ClickTab(1);
    ASSERT_TRUE(WaitUntil([&] { return changed == 1; }));
    wxUIActionSimulator keyboard;
    keyboard.Char(WXK_RIGHT);
    ASSERT_TRUE(WaitUntil([&] { return m_pTabs->GetCurSel() == 2; }));
    keyboard.Char(WXK_RIGHT);   // already the last tab
    keyboard.Char(WXK_LEFT);
    keyboard.Char(WXK_LEFT);
    ASSERT_TRUE(WaitUntil([&] { return m_pTabs->GetCurSel() == 0; }));
    EXPECT_EQ(changed, 4);
}

TEST_F(CColorTabCtrlTest, DisplayAreaLiesBelowTheStripWithItsMargin)
{
    const wxRect display = m_pTabs->GetDisplayRect();
    const wxRect first = m_pTabs->GetItemRect(0);
    EXPECT_EQ(display.GetTopLeft(), wxPoint(first.GetLeft(), first.GetBottom() + 1));
    const wxSize client = m_pTabs->GetClientSize();
    EXPECT_EQ(display.GetRight() + 1 + CColorTabCtrl::kDisplayMargin, client.x - first.GetLeft());
    EXPECT_EQ(display.GetBottom() + 1 + CColorTabCtrl::kDisplayMargin, client.y - first.GetLeft());
    EXPECT_EQ(m_pTabs->HitTest(wxPoint(display.x + 5, display.y + 5)), -1);
    EXPECT_EQ(m_pTabs->HitTest(first.GetTopLeft()), 0);
    EXPECT_EQ(m_pTabs->HitTest(m_pTabs->GetItemRect(2).GetBottomRight()), 2);
}
