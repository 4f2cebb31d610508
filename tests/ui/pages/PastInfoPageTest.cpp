#include "harness/DialogDriving.h"

#include "ui/dialogs/DayInfoDlg.h"
#include "ui/pages/PastInfoPage.h"

namespace {

using CPastInfoPageTest = CDesktopTest;

wxColour Background(CPastInfoPage* page, unsigned row)
{
    wxDataViewItemAttr attr;
    page->Model()->GetAttrByRow(row, 0, attr);
    return attr.GetBackgroundColour();
}

} // namespace

TEST_F(CPastInfoPageTest, OddRowsAreCyanTheSelectionNavyAndADoubleClickEditsTheDay)
{
    MakeWeighedDiet(m_dir, 2, {200, 199, 198});
    ASSERT_NO_FATAL_FAILURE(StartAgain());
    ASSERT_NO_FATAL_FAILURE(SelectTabByClick(kTabPastInfo));
    CPastInfoPage* page = View().PastInfoPage();
    wxDataViewCtrl* list = page->List();
    ASSERT_EQ(page->Model()->GetCount(), 3u);
    EXPECT_EQ(list->GetColumnCount(), 4u);
    EXPECT_EQ(Background(page, 0), *wxWHITE);
    EXPECT_EQ(Background(page, 1), wxColour(0, 255, 255)) << "cyan";

    const wxDataViewItem last = page->Model()->GetItem(2);
    ClickAt(list, CellCentre(list, last, 0));
    EXPECT_EQ(Background(page, 2), wxColour(0, 0, 127)) << "navy";
    wxDataViewItemAttr selected;
    page->Model()->GetAttrByRow(2, 0, selected);
    EXPECT_EQ(selected.GetColour(), *wxWHITE);
    SaveScreenshot(page, "PastInfoPage");

    wxTEST_DIALOG(DoubleClickCell(list, last), Drive<CDayInfoDlg>([](CDayInfoDlg* dialog) {
                      TypeInto(dialog->WeightField(), "190");
                      PressKey(WXK_RETURN);
                  }));
    EXPECT_EQ(CellText(list, 2, 1), "190.00");
    EXPECT_EQ(Model().m_days[2]->weight, 190);
}
