#include "harness/WindowTest.h"

#include <wx/settings.h>

using CColorTabCtrlTest = CDesktopTest;

TEST(ColorTabLabel, ShowsAtMostItsFirst127Characters)
{
    std::string e127;
    for (int i = 0; i < 127; ++i)
        e127 += "\xC3\xA9";   // one character, two bytes
    EXPECT_EQ(TabLabelText(std::string(127, 'a')), std::string(127, 'a'));
    EXPECT_EQ(TabLabelText(std::string(128, 'b')), std::string(127, 'b'));
    EXPECT_EQ(TabLabelText(e127 + "\xC3\xA9"), e127) << "counted in characters, not bytes";
}

TEST_F(CColorTabCtrlTest, ClicksAndKeysChangeTheSelectionAndColoursShowAtTheNextRepaint)
{
    // A frame holding only a tab strip with three tabs.
    auto* frame = new wxFrame(nullptr, wxID_ANY, "tabs", wxPoint(0, 0), wxSize(500, 200));
    auto* tabs = new CColorTabCtrl(frame, wxID_ANY);
    for (const char* text : {"First", "Second", "Third"})
        tabs->InsertItem(tabs->GetItemCount(), text);
    frame->Show();
    ASSERT_TRUE(WaitUntil([frame] { return frame->IsShownOnScreen(); }));
    Pump(std::chrono::milliseconds(200));
    const auto centre = [tabs](int tab) {
        const wxRect rect = tabs->GetItemRect(tab);
        return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2);
    };
    const auto pixelInTab = [tabs](int tab) {
        const wxRect rect = tabs->GetItemRect(tab);
        return PixelAt(GrabWindow(tabs), rect.x + 3, rect.y + rect.height - 3);
    };

    std::vector<std::string> events;
    const auto log = [&events](const char* what, const wxBookCtrlEvent& event) {
        events.push_back(what + std::to_string(event.GetOldSelection()) + ">" + std::to_string(event.GetSelection()));
    };
    tabs->Bind(EVT_COLORTAB_SELCHANGING, [&](wxBookCtrlEvent& event) {
        log("changing ", event);
        if (event.GetSelection() == 2 && events.size() < 4)
            event.Veto();
    });
    tabs->Bind(EVT_COLORTAB_SELCHANGED, [&](wxBookCtrlEvent& event) { log("changed ", event); });
    ClickAt(tabs, centre(1));
    ClickAt(tabs, centre(1));   // the selected tab: nothing
    ClickAt(tabs, centre(2));   // vetoed
    ClickAt(tabs, wxPoint(tabs->GetClientSize().x - 5, tabs->GetItemRect(0).y + 3));   // beside the tabs
    ASSERT_TRUE(WaitUntil([&] { return events.size() >= 3; }));
    wxUIActionSimulator keyboard;
    keyboard.Char(WXK_RIGHT);
    keyboard.Char(WXK_RIGHT);   // already the last tab
    keyboard.Char(WXK_LEFT);
    keyboard.Char(WXK_LEFT);
    keyboard.Char(WXK_LEFT);    // already the first tab
    ASSERT_TRUE(WaitUntil([&] { return events.size() >= 9; }));
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(events, (std::vector<std::string>{"changing 0>1", "changed 0>1", "changing 1>2", "changing 1>2",
                                                "changed 1>2", "changing 2>1", "changed 2>1", "changing 1>0",
                                                "changed 1>0"}));
    EXPECT_EQ(tabs->GetCurSel(), 0);

    EXPECT_EQ(pixelInTab(1), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)) << "without owner drawing";
    tabs->SetOwnerDrawn(true);
    tabs->SetColors(*wxWHITE, wxColour(0xFF, 0, 0));
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(pixelInTab(1), *wxWHITE);
    tabs->SetColors(wxColour(0xFF, 0xFF, 0), wxColour(0, 0, 0xFF));
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(pixelInTab(1), wxColour(0xFF, 0xFF, 0));
    EXPECT_EQ(pixelInTab(0), wxColour(0xFF, 0xFF, 0)) << "the selected tab has the same colours";
    SaveScreenshot(frame, "control-color-tabs");

    // The display area lies below the strip, with its margin.
    const wxRect display = tabs->GetDisplayRect();
    const wxRect first = tabs->GetItemRect(0);
    EXPECT_EQ(display.GetTopLeft(), wxPoint(first.GetLeft(), first.GetBottom() + 1));
    const wxSize client = tabs->GetClientSize();
    EXPECT_EQ(display.GetRight() + 1 + CColorTabCtrl::kDisplayMargin, client.x - first.GetLeft());
    EXPECT_EQ(display.GetBottom() + 1 + CColorTabCtrl::kDisplayMargin, client.y - first.GetLeft());
    EXPECT_EQ(tabs->HitTest(wxPoint(display.x + 5, display.y + 5)), -1);
    EXPECT_EQ(tabs->HitTest(tabs->GetItemRect(2).GetBottomRight()), 2);
}
