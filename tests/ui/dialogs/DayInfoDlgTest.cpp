#include "harness/DialogDriving.h"

#include "entry/DayEntry.h"
#include "ui/dialogs/DayInfoDlg.h"
#include "ui/dialogs/MealInfoDlg.h"
#include "ui/pages/PastInfoPage.h"

#include <wx/checkbox.h>
#include <wx/stattext.h>

using CDayInfoDlgTest = CDesktopTest;

TEST_F(CDayInfoDlgTest, TodayEnteredByKeyboardIsStoredInWholePoundsAndShownInPastInfo)
{
    ASSERT_NO_FATAL_FAILURE(StartFirstRun(AnswersDaysAgo(0, 150)));
    wxTEST_DIALOG(ClickAndWait(View().MainPage()->EntryButton()), Drive<CDayInfoDlg>([](CDayInfoDlg* dialog) {
                      EXPECT_EQ(wxWindow::FindFocus(), dialog->WeightField());
                      TypeInto(dialog->WeightField(), "182.6");
                      TypeInto(dialog->StepsField(), "4000");
                      // Leaving the weight shows what will be stored.
                      EXPECT_EQ(dialog->WeightField()->GetValue(), "182.00");
                      SaveScreenshot(dialog, "DayInfoDlg");
                      PressKey(WXK_RETURN);
                  }));
    EXPECT_EQ(Model().m_days.front()->weight, 182);
    EXPECT_EQ(ToUtf8(View().MainPage()->EntryButton()->GetLabel()), kTodaysInfoLabel);
    ASSERT_NO_FATAL_FAILURE(SelectTabByClick(kTabPastInfo));
    EXPECT_EQ(CellText(View().PastInfoPage()->List(), 0, 1), "182.00");
    EXPECT_EQ(CellText(View().PastInfoPage()->List(), 0, 3), "4000");
    EXPECT_EQ(Restart(m_dir)->m_days.front()->weight, 182);
}

TEST_F(CDayInfoDlgTest, RefusedWeightOrFailedSaveKeepsTheDialogOpenWithNothingLost)
{
    ASSERT_NO_FATAL_FAILURE(StartFirstRun(AnswersDaysAgo(0, 150)));
    CLeanlogApp& model = Model();
    wxTEST_DIALOG(ClickAndWait(View().MainPage()->EntryButton()), Drive<CDayInfoDlg>([&model](CDayInfoDlg* dialog) {
                      TypeInto(dialog->WeightField(), "1200");
                      wxTEST_DIALOG(PressKey(WXK_RETURN), ExpectMessage("between 0 and 1000"));
                      EXPECT_TRUE(dialog->IsShown());
                      EXPECT_EQ(wxWindow::FindFocus(), dialog->WeightField());
                      // A save that fails is reported and the typed values stay.
                      TypeInto(dialog->WeightField(), "182");
                      model.m_db->Execute("DROP TABLE [" + model.m_strDietTable + "]");
                      wxTEST_DIALOG(PressKey(WXK_RETURN), ExpectMessage(""));
                      EXPECT_TRUE(dialog->IsShown());
                      EXPECT_EQ(dialog->WeightField()->GetValue(), "182");
                      PressKey(WXK_ESCAPE);
                  }));
    EXPECT_EQ(Model().m_days.front()->weight, 0);
}

TEST_F(CDayInfoDlgTest, ProteinDayRebuildsTheGridAndACancelledDayKeepsTheFileUnchanged)
{
    MakeWeighedDiet(m_dir, 5, {200, 200, 200, 200, 200, 200});   // day number 5: stage 1
    ASSERT_NO_FATAL_FAILURE(StartAgain());
    CDailyInfo& day = *Model().m_days.back();
    CDayEntry entry(Model());
    entry.SetDay(&day, true);
    CDayInfoDlg dialog(Frame(), entry, Model());
    wxTEST_DIALOG(
        {
            dialog.Show();
            Pump(std::chrono::milliseconds(150));
            wxDataViewCtrl* grid = dialog.Grid();
            EXPECT_EQ(grid->GetModel() ? static_cast<wxDataViewVirtualListModel*>(grid->GetModel())->GetCount() : 0u, 21u);
            for (int click = 0; click < 2; ++click) {
                ClickCentre(dialog.ProteinDayCheck());
                const bool protein = click == 0;
                EXPECT_EQ(static_cast<wxDataViewVirtualListModel*>(grid->GetModel())->GetCount(), protein ? 9u : 21u);
                EXPECT_EQ(ToUtf8(dialog.DateLine()->GetLabel()).ends_with("Protein Day"), protein);
                EXPECT_EQ(grid->GetColumnCount(), 4u);
            }
            // A click in a meal header's supplements cell ticks it at once.
            auto* model = static_cast<wxDataViewVirtualListModel*>(grid->GetModel());
            ClickAt(grid, CellCentre(grid, model->GetItem(0), 1));
            EXPECT_TRUE(day.BFsupplement);
            // The keyboard road into a slot: select its row, press Return.
            ClickAt(grid, CellCentre(grid, model->GetItem(1), 0));
            PressKey(WXK_RETURN);
            Pump(std::chrono::milliseconds(300));
            EXPECT_EQ(CellText(grid, 1, 1), "Eggs");
            EXPECT_EQ(day.carbs, 3);
            PressKey(WXK_ESCAPE);
            EXPECT_FALSE(dialog.IsShown());
            EXPECT_EQ(day.slots[0].item, "Eggs") << "a cancelled day keeps its slot edits in memory";
        },
        Drive<CMealInfoDlg>([](CMealInfoDlg* meal) {
            EXPECT_EQ(meal->GetTitle(), "Breakfast Protein");
            TypeInto(meal->ItemField(), "Eggs");
            TypeInto(meal->CarbsField(), "3");
            SaveScreenshot(meal, "MealInfoDlg");
            ClickCentre(meal->FindWindow(wxID_OK));
        }));
    const auto stored = Restart(m_dir);
    EXPECT_EQ(stored->m_days.back()->slots[0].item, "");
    EXPECT_FALSE(stored->m_days.back()->BFsupplement);
}
