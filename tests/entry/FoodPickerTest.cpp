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

// The values, the conversions between servings and amount and the refused
// amount mode show in the food picker's window test; here what it cannot see.
TEST(FoodPicker, ChangesAreReportedOnlyWhenSomethingChanged)
{
    CFoodPicker picker;
    EXPECT_FALSE(picker.SetQuantity(3));   // nothing chosen
    EXPECT_EQ(picker.Result().name, "");
    EXPECT_EQ(picker.Result().quantity, 1.0f);
    const CFoodItem milk = Item(12.7, 240);
    picker.Select(&milk);
    EXPECT_TRUE(picker.SetQuantity(2));
    EXPECT_FALSE(picker.SetQuantity(2));
    ASSERT_TRUE(picker.SetMode(CFoodPicker::kAmount));
    EXPECT_FALSE(picker.SetMode(CFoodPicker::kAmount));   // the checked button again: no second conversion
    EXPECT_EQ(picker.Quantity(), 480.0f);
    // Another item starts again at one serving, in servings mode.
    const CFoodItem own = Item(10, 0);
    picker.Select(&own);
    EXPECT_EQ(picker.Mode(), CFoodPicker::kServings);
    EXPECT_EQ(picker.Quantity(), 1.0f);
    EXPECT_FALSE(picker.SetMode(CFoodPicker::kAmount));
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
        {"inf", std::nullopt}, {"nan", std::nullopt},   // would reach a float-to-int conversion
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseQuantity(c.text), c.quantity) << '"' << c.text << '"';
}

TEST(FoodPicker, NetCarbsAreCarbsLessFibreNeverBelowZero)
{
    struct
    {
        double carbs, fiber, net;
    } cases[] = {
        {12.7, 1.8, 10.9},   // a hair under 10.9 in binary before rounding
        {3, 5, 0},           // more fibre than carbohydrates
        {0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NetCarbs(c.carbs, c.fiber), c.net) << c.carbs << " - " << c.fiber;

    // Scaled, the picker's net carbs are those of the whole numbers it shows.
    CFoodItem milk = Item(12.7, 240);
    milk.Fiber = 1.8;
    EXPECT_EQ(NutrientValues(milk)[kNetCarbsValue], 10.9);
    CFoodPicker picker;
    picker.Select(&milk);
    picker.SetQuantity(2);
    EXPECT_EQ(picker.Values()[kCarbsValue], 25);
    EXPECT_EQ(picker.Values()[kFiberValue], 3);
    EXPECT_EQ(picker.Values()[kNetCarbsValue], 22);
}
