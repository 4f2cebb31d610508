#include "harness/WindowTest.h"

#include "app/AboutText.h"
#include "ui/frame/ChildView.h"
#include "ui/app/DesktopApp.h"
#include "ui/dialogs/HtmlDialog.h"
#include "app/LeanlogApp.h"
#include "ui/frame/MainFrame.h"
#include "ui/pages/MainPage.h"
#include "ui/controls/ColorTabCtrl.h"
#include "ui/controls/WxDate.h"
#include "ui/controls/WxText.h"
#include "diet/NextDay.h"
#include "ui/dialogs/NewDietDlg.h"

#include <wx/button.h>
#include <wx/datectrl.h>
#include <wx/textctrl.h>

#include <filesystem>

namespace {

using CStartupWindowTest = CDesktopTest;

} // namespace

TEST_F(CStartupWindowTest, FirstRunShowsAboutBeforeTheFrameThenNewDiet)
{
    const CDateTime start = CDateTime::Now().DateOnly().AddDays(-2);
    bool started = false;
    bool refusedOnce = false;
    CExpectMessage::s_lastMessage.clear();
    wxTEST_DIALOG(
        started = App().StartUp(m_dir.Folder()),
        CExpectDialog<CHtmlDialog>([this](CHtmlDialog* about) {
            EXPECT_EQ(App().MainFrame(), nullptr) << "the About box comes before the main window";
            EXPECT_EQ(about->GetTitle(), "Leanlog");
            EXPECT_EQ(about->m_strHtml.rfind(kAboutVersionLine, 0), 0u);
            about->Show();
            EXPECT_TRUE(WaitForPage(about->Browser()));
            EXPECT_NE(PageText(about->Browser().View()).find("Leanlog Version 1.1.1.5 Palm+Windows"),
                      std::string::npos);
            SaveScreenshot(about, "dialog-about-at-start");
            ClickCentre(about->FindWindow(wxID_OK));
            EXPECT_TRUE(WaitUntil([about] { return !about->IsShown(); }));
            return wxID_OK;
        }),
        CExpectDialog<CNewDietDlg>([&](CNewDietDlg* dialog) {
            EXPECT_EQ(dialog->GetTitle(), "New Diet");
            dialog->Show();
            EXPECT_TRUE(dialog->DatePicker()->GetValue().IsSameDate(wxDateTime::Today()));
            Pump(std::chrono::milliseconds(200));
            SaveScreenshot(dialog, "dialog-new-diet");
            dialog->GoalField()->ChangeValue("1001");
            ClickCentre(dialog->FindWindow(wxID_OK));
            refusedOnce = WaitUntil([] { return !CExpectMessage::s_lastMessage.empty(); });
            EXPECT_TRUE(dialog->IsShown()) << "a refused goal keeps the dialog open";
            dialog->DatePicker()->SetValue(ToWxDate(start));
            dialog->GoalField()->ChangeValue("150");
            ClickCentre(dialog->FindWindow(wxID_OK));
            EXPECT_TRUE(WaitUntil([dialog] { return !dialog->IsShown(); }));
            return wxID_OK;
        }),
        CExpectMessage("between 0 and 1000"));

    EXPECT_TRUE(refusedOnce);
    ASSERT_TRUE(started);
    ASSERT_NE(Frame(), nullptr);
    EXPECT_EQ(Frame()->GetTitle(), "Leanlog");
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("RiRedo.mdb")));
    ASSERT_EQ(Model().m_days.size(), 1u);
    EXPECT_EQ(Model().m_days.front()->date, start) << "the picked day at 00:00";
    EXPECT_EQ(Model().m_nGoalWeight, 150);
    EXPECT_EQ(View().TabCtrl().GetCurSel(), 0);
    EXPECT_EQ(ToUtf8(View().MainPage()->EntryButton()->GetLabel()), kStartingInfoLabel);
}

TEST_F(CStartupWindowTest, CancelAtFirstRunEndsWithNothingCreated)
{
    bool started = true;
    wxTEST_DIALOG(started = App().StartUp(m_dir.Folder()),
                  CExpectDialog<CHtmlDialog>([](CHtmlDialog*) { return wxID_OK; }),
                  CExpectDialog<CNewDietDlg>([](CNewDietDlg* dialog) {
                      dialog->Show();
                      Pump(std::chrono::milliseconds(100));
                      ClickCentre(dialog->FindWindow(wxID_CANCEL));
                      EXPECT_TRUE(WaitUntil([dialog] { return !dialog->IsShown(); }));
                      return wxID_CANCEL;
                  }));
    EXPECT_FALSE(started);
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(App().Model(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("RiRedo.mdb")));
}

TEST_F(CStartupWindowTest, UnusableDatabaseIsReportedByNameAndEndsTheProgram)
{
    const std::string junk = "these bytes are not a database";
    WriteFileBytes(m_dir.File("RiRedo.mdb"), junk);
    bool started = true;
    wxTEST_DIALOG(started = App().StartUp(m_dir.Folder()), CExpectMessage(m_dir.File("RiRedo.mdb")));
    EXPECT_FALSE(started);
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(ReadFileBytes(m_dir.File("RiRedo.mdb")), junk) << "a file that cannot be used is left alone";
}

TEST_F(CStartupWindowTest, LaterRunAsksOnlyForTheAbout)
{
    MakeWeighedDiet(m_dir, 3, {201, 200});
    ASSERT_NO_FATAL_FAILURE(StartAgain());
    EXPECT_EQ(Model().m_days.size(), 2u);
    EXPECT_EQ(ToUtf8(View().MainPage()->EntryButton()->GetLabel()), kMissingInfoLabel);
}
