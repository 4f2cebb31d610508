#pragma once

#include "store/FoodItem.h"
#include "store/Recordset.h"

/// LnLg_FoodItem: 28 bound columns; ItemCode stays unbound.
class CFoodItemRS : public CRecordset
{
public:
    explicit CFoodItemRS(CDatabase& db) : CRecordset(db) {}

    std::string GetDefaultSQL() const override { return "[LnLg_FoodItem]"; }

    SFoodItemRecord m_rec;   ///< the bound members

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
    std::string TableName() const override { return std::string(kFoodItemTable); }
    std::span<const SColumnDef> Columns() const override { return FoodItemColumns(); }
    void ResetFields() override { m_rec = SFoodItemRecord(); }
};

struct SCategoryRecord
{
    std::int32_t ID = 0;
    std::int32_t PalmID = 0;
    std::int32_t wAttribs = 0;
    std::string CatCode;
    std::string Category;
};

/// LnLg_FoodCategories: 5 bound columns.
class CFoodCategoryRS : public CRecordset
{
public:
    explicit CFoodCategoryRS(CDatabase& db) : CRecordset(db) {}

    std::string GetDefaultSQL() const override { return "[LnLg_FoodCategories]"; }

    SCategoryRecord m_rec;

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
    std::string TableName() const override { return std::string(kCategoriesTable); }
    std::span<const SColumnDef> Columns() const override { return CategoryColumns(); }
    void ResetFields() override { m_rec = SCategoryRecord(); }
};

inline constexpr const char* kLoadCategoriesSql = "SELECT * FROM LnLg_FoodCategories ORDER BY ID";
inline constexpr const char* kLoadFoodItemsSql = "SELECT * FROM LnLg_FoodItem ORDER BY ItemName,ServingSizeCode";
inline constexpr const char* kNewestFoodItemSql = "SELECT * FROM LnLg_FoodItem ORDER BY ID DESC";

/// "SELECT * FROM LnLg_FoodItem WHERE ID=%d": one food item by its key.
inline std::string FoodItemByIdSql(int id)
{
    return "SELECT * FROM LnLg_FoodItem WHERE ID=" + std::to_string(id);
}
