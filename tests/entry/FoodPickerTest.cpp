#include "entry/FoodPicker.h"

#include <gtest/gtest.h>

namespace {

CFoodItem Item(double carbs, double amount)
{
    CFoodItem item;
    item.ItemName = "Milk";
    item.ServingSizeName = "1 cup";
    item.ServingSizeUnit = "g";
    item.ServingSizeAmt = amount;
    item.Calories = 150;
    item.Carbs = CutToOneDecimal(carbs);
    return item;
}

} // namespace

TEST(FoodPicker, ServingsScaleEveryValueAndCutToWholeNumbers)
{
    const CFoodItem milk = Item(12.7, 240);
    CFoodPicker picker;
    picker.Select(&milk);
    EXPECT_EQ(picker.Values()[kCarbsValue], 12);
    EXPECT_TRUE(picker.SetQuantity(2));
    EXPECT_EQ(picker.Values()[kCarbsValue], 25);   // 25.4 cut
    EXPECT_EQ(picker.Values()[0], 300);
    EXPECT_FALSE(picker.SetQuantity(2));           // unchanged quantity: nothing to do
    const SPickResult result = picker.Result();
    EXPECT_EQ(result.name, "Milk");
    EXPECT_EQ(result.quantity, 2.0f);
    EXPECT_EQ(result.carbs, 25);
}

TEST(FoodPicker, AmountModeConvertsTheQuantityBothWays)
{
    const CFoodItem milk = Item(12.0, 240);
    CFoodPicker picker;
    picker.Select(&milk);
    ASSERT_TRUE(picker.SetMode(CFoodPicker::kAmount));
    EXPECT_EQ(picker.Quantity(), 240.0f);
    EXPECT_EQ(picker.Values()[kCarbsValue], 12);
    EXPECT_FALSE(picker.SetMode(CFoodPicker::kAmount));   // the checked button again: no second conversion
    EXPECT_EQ(picker.Quantity(), 240.0f);
    picker.SetQuantity(120);
    EXPECT_EQ(picker.Values()[kCarbsValue], 6);
    EXPECT_EQ(picker.Values()[0], 75);
    ASSERT_TRUE(picker.SetMode(CFoodPicker::kServings));
    EXPECT_EQ(picker.Quantity(), 0.5f);
    // Another item starts again at one serving.
    const CFoodItem other = Item(3, 100);
    picker.SetMode(CFoodPicker::kAmount);
    picker.Select(&other);
    EXPECT_EQ(picker.Quantity(), 1.0f);
    EXPECT_EQ(picker.Mode(), CFoodPicker::kServings);
}

TEST(FoodPicker, AmountModeIsRefusedWithoutAServingAmountAndNothingIsChosenAtFirst)
{
    CFoodPicker picker;
    EXPECT_FALSE(picker.SetQuantity(3));
    EXPECT_EQ(picker.Result().name, "");
    EXPECT_EQ(picker.Result().quantity, 1.0f);
    const CFoodItem own = Item(10, 0);
    picker.Select(&own);
    EXPECT_FALSE(picker.AmountAllowed());
    EXPECT_FALSE(picker.SetMode(CFoodPicker::kAmount));
    EXPECT_EQ(picker.Mode(), CFoodPicker::kServings);
    EXPECT_EQ(picker.Quantity(), 1.0f);
}

TEST(FoodPicker, QuantityTextIsANumberOfZeroOrMore)
{
    struct
    {
        const char* text;
        std::optional<float> quantity;
    } cases[] = {
        {"2", 2.0f}, {" 0.5 ", 0.5f}, {"120", 120.0f}, {"0", 0.0f},
        {"2.", 2.0f},                                // half typed, already a number
        {"", std::nullopt}, {".", std::nullopt},
        {"-1", std::nullopt}, {"2x", std::nullopt}, {"1e3", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseQuantity(c.text), c.quantity) << '"' << c.text << '"';
}
