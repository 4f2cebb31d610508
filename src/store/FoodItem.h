#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// The stored fields of one food at one serving size, in exchange order
/// (the table's unbound ItemCode has no field).
struct SFoodItemRecord
{
    std::int32_t ID = 0;
    std::int32_t PalmID = 0;
    std::int32_t wAttribs = 0;    ///< bit 0x01 marks a deleted item; bit 0x10 a desktop save
    std::string ItemName;
    std::string ItemCategoryCode;
    std::int32_t ServingSizeCode = 0;   ///< 1 for a food's first size, then 2, 3 ...
    std::string ServingSizeName;
    double ServingSizeAmt = 0;
    std::string ServingSizeUnit;
    std::int32_t Calories = 0;
    std::int32_t FatCalories = 0;
    double FatGrams = 0;
    double FatGramsPercent = 0;
    double SaturatedFat = 0;
    double SaturatedFatPercent = 0;
    double PolySatFat = 0;
    double MonoUnsatFat = 0;
    double Cholesterol = 0;
    double CholesterolPercent = 0;
    double Sodium = 0;
    double SodiumPercent = 0;
    double Carbs = 0;
    double CarbsPercent = 0;
    double Fiber = 0;
    double FiberPercent = 0;
    double Sugars = 0;
    double Protein = 0;
    double Points = 0;

    friend bool operator==(const SFoodItemRecord&, const SFoodItemRecord&) = default;
};

inline constexpr std::int32_t kAttribDeleted = 0x01;

class CItemCategory;
class CFoodItemRS;

/// One food at one serving size, with its nutrition facts per serving.
class CFoodItem : public SFoodItemRecord
{
public:
    CFoodItem() = default;
    explicit CFoodItem(const SFoodItemRecord& record) : SFoodItemRecord(record) {}
    /// The current row of `rs`; the serving amount and the nutrition facts
    /// are cut to one decimal. The category is left for the caller.
    static CFoodItem FromRecordset(const CFoodItemRS& rs);

    CItemCategory* m_pCategory = nullptr;   ///< not owned; null when the code names no category
    void* m_hTreeNode = nullptr;            ///< the page's tree node showing this size (window layer)
};

/// A food category with its items in catalogue order.
class CItemCategory
{
public:
    void* m_hTreeNode = nullptr;          ///< the page's tree node (window layer)
    std::vector<CFoodItem*> m_items;      ///< not owned
    std::int32_t ID = 0;
    std::string CatCode;
    std::string Category;
};

/// value = (whole part, toward zero, of value x 10) x 0.1: 2.38 -> 2.3, -1.25 -> -1.2.
double CutToOneDecimal(double value);

/// Item names ordered as the food table orders them: ASCII letters without
/// regard to case, then byte order (SQLite's NOCASE).
int CompareItemNames(std::string_view a, std::string_view b);

/// True when `a` comes before `b` in catalogue order (name, then serving size code).
bool ComesBefore(const SFoodItemRecord& a, const SFoodItemRecord& b);

/// Index of the first item of `items` with this exact name, category code
/// and serving size code; -1 when none.
int IndexOfFoodItem(const std::vector<CFoodItem*>& items, std::string_view name, std::string_view categoryCode,
                    std::int32_t servingSizeCode);
