#include "harness/WindowTest.h"

#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "ui/app/DesktopApp.h"
#include "ui/dialogs/HtmlDialog.h"
#include "app/LeanlogApp.h"
#include "ui/frame/MainFrame.h"
#include "ui/pages/MainPage.h"
#include "ui/controls/ColorButton.h"
#include "ui/controls/WxText.h"
#include "diet/NextDay.h"
#include "support/TestDiet.h"

#include <wx/button.h>

namespace {

using CMainPageTest = CDesktopTest;

} // namespace

TEST(MainPageLayout, ButtonsSitInTwoColumnsAndFourRowsWithEqualGaps)
{
    const wxSize button(150, 40);
    const wxSize sponsor(150, 70);
    struct SCase
    {
        const char* why;
        wxSize page;
        int left, right;             // the two columns
        std::array<int, 4> rows;
    };
    const SCase cases[] = {
        // Room both ways: gaps (800 - 300) / 3 = 166 and (400 - 160) / 5 = 48.
        {"roomy page", {800, 400}, 166, 482, {48, 136, 224, 312}},
        // Exactly two buttons wide: no gap, both columns at 0.
        {"narrow page", {300, 400}, 0, 0, {48, 136, 224, 312}},
        // Not taller than four buttons: every row at 0.
        {"short page", {800, 160}, 166, 482, {0, 0, 0, 0}},
        // Integer division of the gaps: (801 - 300) / 3 = 167, (409 - 160) / 5 = 49.
        {"odd sizes", {801, 409}, 167, 484, {49, 138, 227, 316}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const auto rects = MainPageButtonRects(c.page, button, sponsor);
        for (size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(rects[i].GetPosition(), wxPoint(i % 2 == 0 ? c.left : c.right, c.rows[i / 2])) << i;
            EXPECT_EQ(rects[i].GetSize(), button) << i;
        }
        // 1023 keeps its size, centred on the right-hand slot of row 4.
        EXPECT_EQ(rects[7], wxRect(c.right, c.rows[3] - 15, 150, 70));
    }
}

TEST_F(CMainPageTest, EntryButtonShowsItsThreeLabels)
{
    struct SCase
    {
        const char* why;
        int startedDaysAgo;
        std::vector<int> weights;   // empty: the first day is not weighed yet
        const char* label;
    };
    const SCase cases[] = {
        {"last day not weighed", 0, {}, kStartingInfoLabel},
        {"weighed last day dated today", 1, {200, 199}, kTodaysInfoLabel},
        {"weighed last day dated yesterday", 2, {200, 199}, kMissingInfoLabel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        CTempDataDir dir;
        if (c.weights.empty())
            StartFirstDiet(dir, AnswersDaysAgo(c.startedDaysAgo, 150));
        else
            MakeWeighedDiet(dir, c.startedDaysAgo, c.weights);
        bool started = false;
        wxTEST_DIALOG(started = App().StartUp(dir.Folder()),
                      CExpectDialog<CHtmlDialog>([](CHtmlDialog*) { return wxID_OK; }));
        ASSERT_TRUE(started);
        wxButton* entry = View().MainPage()->EntryButton();
        EXPECT_EQ(entry->GetId(), kIdEntryButton);
        EXPECT_EQ(ToUtf8(entry->GetLabel()), c.label);
        EXPECT_TRUE(entry->IsEnabled());
        CloseFrame();
        App().ExitInstance();
    }
}

TEST_F(CMainPageTest, PageIsWhiteWithItsButtonsWhereTheRulesPutThem)
{
    ASSERT_NO_FATAL_FAILURE(StartFirstRun(AnswersDaysAgo(0, 150)));
    CMainPage* page = View().MainPage();
    const auto rects = MainPageButtonRects(page->GetClientSize(), page->EntryButton()->GetSize(),
                                           page->SponsorButton()->GetSize());
    const int ids[] = {kIdEntryButton,  kIdPastInfoButton, kIdStatusButton,    kIdSummaryButton,
                       kIdGraphButton,  kIdCarbInfoButton, kIdPellawareButton, kIdSponsorButton};
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(page->FindWindow(ids[i])->GetRect(), rects[i]) << ids[i];

    const wxImage image = GrabWindow(page);
    EXPECT_EQ(wxColour(image.GetRed(2, 2), image.GetGreen(2, 2), image.GetBlue(2, 2)), *wxWHITE);

    // The sponsor button: white text on red, three lines.
    CColorButton* sponsor = page->SponsorButton();
    EXPECT_EQ(ToUtf8(sponsor->GetLabel()), "About\nHarborline\nLending");
    EXPECT_EQ(sponsor->FillColour(), wxColour(0xFF, 0, 0));
    const wxImage button = GrabWindow(sponsor);
    const int x = 5;
    const int y = button.GetHeight() / 2;
    EXPECT_EQ(wxColour(button.GetRed(x, y), button.GetGreen(x, y), button.GetBlue(x, y)), wxColour(0xFF, 0, 0));
    bool whiteText = false;
    for (int px = 0; px < button.GetWidth(); ++px)
        whiteText = whiteText || (button.GetRed(px, y) > 240 && button.GetGreen(px, y) > 240);
    EXPECT_TRUE(whiteText) << "the label's middle line is drawn in white";
}
