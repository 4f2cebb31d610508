#include "harness/WindowTest.h"

#include "ui/dialogs/NewDietDlg.h"

#include <wx/datectrl.h>
#include <wx/textctrl.h>
#include <wx/window.h>

namespace {

using CNewDietDlgTest = CDesktopTest;

} // namespace

TEST_F(CNewDietDlgTest, PickerOpensOnTheDayOfNowAndAnswersStartAtMidnight)
{
    const CDateTime afternoon = CDateTime::FromCivil({2026, 3, 4, 15, 30, 0});
    CNewDietDlg dialog(nullptr, afternoon);
    dialog.Show();
    Pump(std::chrono::milliseconds(100));
    EXPECT_TRUE(dialog.DatePicker()->GetValue().IsSameDate(wxDateTime(4, wxDateTime::Mar, 2026)));
    EXPECT_EQ(dialog.GoalField()->GetValue(), "0");
    dialog.DatePicker()->SetValue(wxDateTime(28, wxDateTime::Feb, 2027));
    dialog.GoalField()->ChangeValue("175");
    ASSERT_TRUE(dialog.TransferDataFromWindow());
    EXPECT_EQ(dialog.Answers().startDate, CDateTime::FromDate(2027, 2, 28));
    EXPECT_EQ(dialog.Answers().goalWeight, 175);
}

TEST_F(CNewDietDlgTest, GoalOutsideZeroToThousandIsRefusedAndTheDialogStaysOpen)
{
    struct SCase
    {
        const char* typed;
        bool accepted;
        int goal;
    };
    const SCase cases[] = {
        {"1001", false, 0}, {"-1", false, 0},  {"12.5", false, 0}, {"abc", false, 0},
        {"", false, 0},     {"1000", true, 1000}, {"0", true, 0},   {" 42 ", true, 42},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        CNewDietDlg dialog(nullptr, CDateTime::Now());
        dialog.Show();
        Pump(std::chrono::milliseconds(100));
        dialog.GoalField()->ChangeValue(c.typed);
        if (c.accepted) {
            CGtestModalHook noDialogs(__FILE__, __LINE__);
            ClickCentre(dialog.FindWindow(wxID_OK));
            EXPECT_TRUE(WaitUntil([&dialog] { return !dialog.IsShown(); }));
            EXPECT_EQ(dialog.Answers().goalWeight, c.goal);
        } else {
            CExpectMessage::s_lastMessage.clear();
            wxTEST_DIALOG(ClickCentre(dialog.FindWindow(wxID_OK)),
                          CExpectMessage("Please enter an integer between 0 and 1000 for the goal weight."));
            EXPECT_TRUE(dialog.IsShown());
            EXPECT_EQ(wxWindow::FindFocus(), dialog.GoalField());
        }
    }
}
