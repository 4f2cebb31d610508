#include "harness/DialogDriving.h"

#include "FoodCsv.h"
#include "ui/controls/FoodSearchPanel.h"
#include "ui/controls/FoodTreeModel.h"
#include "ui/controls/NutritionPanel.h"
#include "ui/dialogs/MealItemInfoDlg.h"
#include "ui/pages/CarbInfoPage.h"

#include <wx/menu.h>

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

TEST_F(CCarbInfoPageTest, AddItemAddSizeEditAndDeleteFollowTheTreeAndTheFile)
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
    EXPECT_EQ(apple.children[2]->item->ServingSizeCode, 3);

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
    EXPECT_EQ(Fruit().children.size(), 1u);
    const auto stored = Restart(m_dir);
    for (const char* size : {"medium", "large", "huge"}) {
        const auto found = std::find_if(stored->m_foodItems.begin(), stored->m_foodItems.end(),
                                        [&](const auto& item) { return item->ServingSizeName == size; });
        ASSERT_NE(found, stored->m_foodItems.end()) << size;
        EXPECT_TRUE((*found)->wAttribs & kAttribDeleted) << size;
    }
}

TEST_F(CCarbInfoPageTest, FoodTableScreenshotShowsALabel)
{
    if (LoadFoodCsv(Model(), kSharedFoodCsv) == 0)
        GTEST_SKIP() << "no food table at " << kSharedFoodCsv;
    auto page = std::make_unique<CCarbInfoPage>(View().Page(kTabMain)->GetParent(), Model());
    page->SetSize(View().Page(kTabCarbInfo)->GetRect());
    page->EnsureTree();
    page->Show();
    const SFoodNode& first = *page->FoodTree().Roots().front()->children.front()->children.front();
    page->SelectNode(&first);
    Pump(std::chrono::milliseconds(300));
    EXPECT_EQ(page->Panel()->ServingText(), wxString::FromUTF8(first.item->ServingSizeName));
    SaveScreenshot(page.get(), "CarbInfoPage");

    TypeInto(page->Search()->Field(), "egg boil");
    ASSERT_GT(page->Search()->Finder().RowCount(), 0u);
    ClickListRow(page->Search()->Results(), 0);
    EXPECT_EQ(page->Panel()->ServingText(), wxString::FromUTF8(page->Search()->Finder().Item(0).ServingSizeName));
    SaveScreenshot(page.get(), "CarbInfoPageSearch");
    page.release()->Destroy();
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

    PressKey(WXK_ESCAPE);
    EXPECT_TRUE(Page().Tree()->IsShown());
    EXPECT_EQ(search.Field()->GetValue(), "");
    EXPECT_EQ(Page().Tree()->GetSelection(), CFoodTreeModel::Item(&small));
    EXPECT_EQ(Page().Panel()->ServingText(), "small");
}
