#include "harness/DialogDriving.h"

#include "entry/MealInfo.h"
#include "ui/controls/NutritionPanel.h"
#include "ui/controls/ThemedButton.h"
#include "ui/controls/FoodSearchPanel.h"
#include "ui/controls/FoodTreeModel.h"
#include "ui/dialogs/FoodPickerDlg.h"
#include "ui/dialogs/MealInfoDlg.h"

namespace {

/// A diet with Dairy: Milk (1 cup, 240 g, 12.7 g carbs, 2 g fibre; 1 pint) and Cheese without a serving amount.
class CFoodPickerDlgTest : public CDesktopTest
{
protected:
    void SetUp() override
    {
        StartDietWithFoods(m_dir, AnswersDaysAgo(0, 150), "('01', 'Dairy')",
                           "(ItemName, ItemCategoryCode, ServingSizeCode, ServingSizeName, ServingSizeAmt, "
                           "ServingSizeUnit, Carbs, Calories, Fiber) VALUES ('Cheese', '01', 1, '1 slice', 0, '', 3.2, "
                           "100, 0), ('Milk', '01', 1, '1 cup', 240, 'g', 12.7, 150, 2), "
                           "('Milk', '01', 2, '1 pint', 480, 'g', 25.4, 300, 4)");
        StartAgain();
    }
};

/// The tree item showing `label` under `parentLabel` (a category or name node).
wxDataViewItem Find(const CFoodTree& tree, const std::string& parentLabel, const std::string& label)
{
    for (const auto& category : tree.Roots())
        for (const auto& name : category->children)
            for (const auto& size : name->children)
                if (name->Label() == parentLabel && size->Label() == label)
                    return CFoodTreeModel::Item(size.get());
    return {};
}

wxString Carbs(CFoodPickerDlg* picker)
{
    return picker->Panel()->ValueText(kCarbsValue);
}

} // namespace

TEST_F(CFoodPickerDlgTest, ServingsAndAmountScaleTheLabelAndASearchResultIsPicked)
{
    CFoodPickerDlg picker(Frame(), Model().m_categories, Model().FoodSearch());
    picker.Show();
    Pump(std::chrono::milliseconds(200));
    ClickTreeItem(picker.Tree(), Find(picker.FoodTree(), "Milk", "1 cup"));
    EXPECT_EQ(Carbs(&picker), "12");
    EXPECT_EQ(picker.Panel()->ServingText(), "1 cup");
    TypeInto(picker.QuantityField(), "2");
    EXPECT_EQ(Carbs(&picker), "25");
    EXPECT_EQ(picker.Panel()->ValueText(0), "300");

    ClickCentre(picker.AmountButton());
    EXPECT_EQ(picker.QuantityField()->GetValue(), "480");
    EXPECT_EQ(Carbs(&picker), "25");
    ClickCentre(picker.AmountButton());   // already checked: nothing changes
    EXPECT_EQ(picker.QuantityField()->GetValue(), "480");
    TypeInto(picker.QuantityField(), "120");
    EXPECT_EQ(Carbs(&picker), "6");
    SaveScreenshot(&picker, "FoodPickerDlg");
    ClickCentre(picker.QuantityButton());
    EXPECT_EQ(picker.QuantityField()->GetValue(), "0.5");
    EXPECT_TRUE(picker.QuantityButton()->GetCheck());

    // Another item starts at one serving; without a serving amount, amount mode is refused.
    const wxDataViewItem cheese = Find(picker.FoodTree(), "Cheese", "1 slice");
    ClickTreeItem(picker.Tree(), cheese);
    EXPECT_EQ(picker.QuantityField()->GetValue(), "1");
    EXPECT_FALSE(picker.AmountButton()->IsEnabled());
    EXPECT_EQ(Carbs(&picker), "3");

    // A search result is picked; Escape gives back the tree's choice.
    TypeInto(picker.Search()->Field(), "mil");
    ClickListRow(picker.Search()->Results(), 1);
    EXPECT_EQ(picker.Panel()->ServingText(), "1 pint");
    EXPECT_EQ(Carbs(&picker), "25");
    EXPECT_EQ(picker.Panel()->ValueText(kNetCarbsValue), "21");
    SaveScreenshot(&picker, "FoodPickerDlgSearch");

    PressKey(WXK_ESCAPE);   // from the list
    EXPECT_TRUE(picker.IsShown()) << "Escape ended the search, not the picker";
    EXPECT_TRUE(picker.Tree()->IsShown());
    EXPECT_EQ(picker.Tree()->GetSelection(), cheese);
    EXPECT_EQ(picker.Result().name, "Cheese");

    // Down goes from the field to the first result; Return takes it with its total carbs.
    TypeInto(picker.Search()->Field(), "milk");
    PressKey(WXK_DOWN);
    PressKey(WXK_RETURN);
    EXPECT_FALSE(picker.IsShown());
    EXPECT_EQ(picker.Result().servingSize, "1 cup");
    EXPECT_EQ(picker.Result().carbs, 12);
}

TEST_F(CFoodPickerDlgTest, MealInfoPickAndAddComposeTheSlotAndRefuseLongTexts)
{
    CMealInfo info;
    info.m_strTitle = "Lunch Protein";
    CMealInfoDlg dialog(Frame(), info, Model());
    dialog.Show();
    Pump(std::chrono::milliseconds(200));
    auto pick = [](const char* name, const char* size, const char* quantity) {
        return Drive<CFoodPickerDlg>([=](CFoodPickerDlg* picker) {
            ClickTreeItem(picker->Tree(), Find(picker->FoodTree(), name, size));
            TypeInto(picker->QuantityField(), quantity);
            PressKey(WXK_RETURN);
        });
    };
    wxTEST_DIALOG(ClickAndWait(dialog.FindWindow(CMealInfoDlg::kIdPick)), pick("Milk", "1 cup", "2"));
    EXPECT_EQ(dialog.ItemField()->GetValue(), "Milk");
    EXPECT_EQ(dialog.SizeField()->GetValue(), "2 of 1 cup");
    EXPECT_EQ(dialog.CarbsField()->GetValue(), "25");

    TypeInto(dialog.ItemField(), "Whole milk from the farm store");   // Add takes typed text in first
    wxTEST_DIALOG(ClickAndWait(dialog.FindWindow(CMealInfoDlg::kIdAdd)), pick("Cheese", "1 slice", "1"));
    EXPECT_EQ(dialog.ItemField()->GetValue(), "Whole milk from the farm store, Cheese");
    EXPECT_EQ(dialog.SizeField()->GetValue(), "Multiple");
    EXPECT_EQ(dialog.CarbsField()->GetValue(), "28");
    // A third food passes the 40 characters: OK refuses until the item is shortened.
    wxTEST_DIALOG(ClickAndWait(dialog.FindWindow(CMealInfoDlg::kIdAdd)), pick("Milk", "1 pint", "1"));
    wxTEST_DIALOG(ClickAndWait(dialog.FindWindow(wxID_OK)), ExpectMessage("Item can hold at most 40 characters"));
    EXPECT_TRUE(dialog.IsShown());
    EXPECT_EQ(wxWindow::FindFocus(), dialog.ItemField());
}
