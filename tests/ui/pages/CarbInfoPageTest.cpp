#include "harness/DialogDriving.h"

#include "ui/controls/FoodSearchPanel.h"
#include "ui/controls/FoodTreeModel.h"
#include "ui/controls/NutritionPanel.h"
#include "ui/dialogs/MealItemInfoDlg.h"
#include "ui/pages/CarbInfoPage.h"

#include <wx/menu.h>
#include <wx/stattext.h>

#include <gtk/gtk.h>

namespace {

/// Fruit: Apple with sizes 1 and 2, saved rows.
class CCarbInfoPageTest : public CDesktopTest
{
protected:
    void SetUp() override
    {
        StartDietWithFoods(m_dir, AnswersDaysAgo(0, 150), "('F', 'Fruit')",
                           "(ItemName, ItemCategoryCode, ServingSizeCode, ServingSizeName, Carbs) VALUES "
                           "('Apple', 'F', 1, 'small', 12.7), ('Apple', 'F', 2, 'large', 30)");
        StartAgain();
        SelectTabByClick(kTabCarbInfo);
    }

    CCarbInfoPage& Page() const { return *View().CarbInfoPage(); }
    const SFoodNode& Fruit() const { return *Page().FoodTree().Roots().front(); }
    void Select(const SFoodNode& node) const { ClickTreeItem(Page().Tree(), CFoodTreeModel::Item(&node)); }
    bool DeleteEnabled() const { return Page().ContextMenu()->IsEnabled(CCarbInfoPage::kIdDeleteItem); }
};

} // namespace

TEST_F(CCarbInfoPageTest, AddItemAddSizeEditAndDeleteFollowTheTree)
{
    Select(Fruit());
    EXPECT_FALSE(DeleteEnabled());
    wxTEST_DIALOG(Page().RunCommand(CCarbInfoPage::kIdAddItem), Drive<CMealItemInfoDlg>([](CMealItemInfoDlg* dialog) {
                      EXPECT_TRUE(dialog->Field(kItemNameField)->IsEnabled());
                      TypeInto(dialog->Field(kItemNameField), "Kiwi");
                      TypeInto(dialog->Field(kServingSizeField), "1 fruit");
                      TypeInto(dialog->Field(kFirstNumberField + 12), "10.5");   // Total Carbohydrates (g)
                      SaveScreenshot(dialog, "MealItemInfoDlg");
                      PressKey(WXK_RETURN);
                  }));
    ASSERT_EQ(Fruit().children.size(), 2u);
    EXPECT_EQ(Fruit().children[1]->Label(), "Kiwi");
    EXPECT_EQ(Page().Panel()->ValueText(kCarbsValue), "10.5");

    const SFoodNode& apple = *Fruit().children[0];
    Select(*apple.children[1]);
    EXPECT_TRUE(DeleteEnabled());
    wxTEST_DIALOG(Page().RunCommand(CCarbInfoPage::kIdAddItemSize),
                  Drive<CMealItemInfoDlg>([](CMealItemInfoDlg* dialog) {
                      EXPECT_FALSE(dialog->Field(kItemNameField)->IsEnabled());
                      EXPECT_EQ(dialog->Field(kItemNameField)->GetValue(), "Apple");
                      TypeInto(dialog->Field(kServingSizeField), "huge");
                      PressKey(WXK_RETURN);
                  }));
    ASSERT_EQ(apple.children.size(), 3u);

    // A double-click edits; a saved item's name is greyed.
    wxTEST_DIALOG(DoubleClickCell(Page().Tree(), CFoodTreeModel::Item(apple.children[0].get())),
                  Drive<CMealItemInfoDlg>([](CMealItemInfoDlg* dialog) {
                      EXPECT_FALSE(dialog->Field(kItemNameField)->IsEnabled());
                      TypeInto(dialog->Field(kServingSizeField), "medium");
                      PressKey(WXK_RETURN);
                  }));
    EXPECT_EQ(apple.children[0]->Label(), "medium");
    EXPECT_EQ(Page().Panel()->ServingText(), "medium");

    Select(apple);
    Page().RunCommand(CCarbInfoPage::kIdDeleteItem);
    EXPECT_EQ(Fruit().children.size(), 1u);   // what reaches the file is the food editor's test
}

TEST_F(CCarbInfoPageTest, ASearchResultShowsItsLabelAndEscapeGivesTheTreeBack)
{
    const SFoodNode& small = *Fruit().children[0]->children[0];
    Select(small);
    CFoodSearchPanel& search = *Page().Search();
    EXPECT_STREQ(atk_object_get_name(gtk_widget_get_accessible(search.Field()->GetHandle())), "Search foods");
    TypeInto(search.Field(), "app");
    EXPECT_FALSE(Page().Tree()->IsShown());
    ASSERT_EQ(search.Finder().RowCount(), 2u);
    ClickListRow(search.Results(), 1);
    EXPECT_EQ(Page().Panel()->ServingText(), "large");
    SaveScreenshot(&Page(), "CarbInfoPageSearch");

    PressKey(WXK_ESCAPE);
    EXPECT_TRUE(Page().Tree()->IsShown());
    EXPECT_EQ(search.Field()->GetValue(), "");
    EXPECT_EQ(Page().Tree()->GetSelection(), CFoodTreeModel::Item(&small));
    EXPECT_EQ(Page().Panel()->ServingText(), "small");

    TypeInto(search.Field(), "zq");
    EXPECT_TRUE(search.NoMatch()->IsShown());
    PressKey(WXK_ESCAPE);
    EXPECT_FALSE(search.NoMatch()->IsShown());
}
