#include "store/FoodRecordsets.h"

void CFoodItemRS::DoFieldExchange(CFieldExchange& fx)
{
    fx.Long("ID", m_rec.ID);
    fx.Long("PalmID", m_rec.PalmID);
    fx.Long("wAttribs", m_rec.wAttribs);
    fx.Text("ItemName", m_rec.ItemName);
    fx.Text("ItemCategoryCode", m_rec.ItemCategoryCode);
    fx.Long("ServingSizeCode", m_rec.ServingSizeCode);
    fx.Text("ServingSizeName", m_rec.ServingSizeName);
    fx.Double("ServingSizeAmt", m_rec.ServingSizeAmt);
    fx.Text("ServingSizeUnit", m_rec.ServingSizeUnit);
    fx.Long("Calories", m_rec.Calories);
    fx.Long("FatCalories", m_rec.FatCalories);
    fx.Double("FatGrams", m_rec.FatGrams);
    fx.Double("FatGramsPercent", m_rec.FatGramsPercent);
    fx.Double("SaturatedFat", m_rec.SaturatedFat);
    fx.Double("SaturatedFatPercent", m_rec.SaturatedFatPercent);
    fx.Double("PolySatFat", m_rec.PolySatFat);
    fx.Double("MonoUnsatFat", m_rec.MonoUnsatFat);
    fx.Double("Cholesterol", m_rec.Cholesterol);
    fx.Double("CholesterolPercent", m_rec.CholesterolPercent);
    fx.Double("Sodium", m_rec.Sodium);
    fx.Double("SodiumPercent", m_rec.SodiumPercent);
    fx.Double("Carbs", m_rec.Carbs);
    fx.Double("CarbsPercent", m_rec.CarbsPercent);
    fx.Double("Fiber", m_rec.Fiber);
    fx.Double("FiberPercent", m_rec.FiberPercent);
    fx.Double("Sugars", m_rec.Sugars);
    fx.Double("Protein", m_rec.Protein);
    fx.Double("Points", m_rec.Points);
}

void CFoodCategoryRS::DoFieldExchange(CFieldExchange& fx)
{
    fx.Long("ID", m_rec.ID);
    fx.Long("PalmID", m_rec.PalmID);
    fx.Long("wAttribs", m_rec.wAttribs);
    fx.Text("CatCode", m_rec.CatCode);
    fx.Text("Category", m_rec.Category);
}
