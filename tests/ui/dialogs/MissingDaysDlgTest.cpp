#include "harness/DialogDriving.h"

#include "ui/dialogs/DayInfoDlg.h"
#include "ui/dialogs/MissingDaysDlg.h"

using CMissingDaysDlgTest = CDesktopTest;

TEST_F(CMissingDaysDlgTest, FiveMissingDaysWarnOnceAndStartDietOverRunsTheRestart)
{
    MakeWeighedDiet(m_dir, 5, {200});   // the only day is 5 days old
    ASSERT_NO_FATAL_FAILURE(StartAgain());
    wxButton* entry = View().MainPage()->EntryButton();
    wxTEST_DIALOG(ClickAndWait(entry),
                  Drive<CMissingDaysDlg>([](CMissingDaysDlg* dialog) {
                      EXPECT_EQ(dialog->GetTitle(), "Over 3 Days Missing");
                      ASSERT_TRUE(WaitForPage(dialog->Browser()));
                      EXPECT_NE(PageText(dialog->Browser().View()).find("You are missing 5 days of diet information"),
                                std::string::npos);
                      SaveScreenshot(dialog, "MissingDaysDlg");
                      ClickCentre(dialog->FindWindow(CMissingDaysDlg::kIdStartDietOver));
                  }),
                  Drive<CNewDietDlg>([](CNewDietDlg* dialog) { ClickCentre(dialog->FindWindow(wxID_OK)); }));
    ASSERT_EQ(Model().m_days.size(), 1u);
    EXPECT_EQ(Model().m_days.front()->date, CDateTime::Now().DateOnly());

    // The warning showed once in this run: now Day Info opens at once.
    Model().m_days.front()->date = CDateTime::Now().DateOnly().AddDays(-6);
    Model().m_days.front()->weight = 200;
    wxTEST_DIALOG(ClickAndWait(entry), Drive<CDayInfoDlg>([](CDayInfoDlg*) { PressKey(WXK_ESCAPE); }));
    EXPECT_EQ(Model().m_days.size(), 2u);   // the day after the last one, left unfilled
}
