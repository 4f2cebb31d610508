#include "update/FoodCatalogueMerge.h"

#include "app/LeanlogApp.h"
#include "base/Utf8.h"
#include "entry/FoodSearch.h"
#include "store/Schema.h"

#include <algorithm>
#include <iterator>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace {

/// Cuts `text` to its column's size on a character boundary: the file
/// refuses a longer text whole.
void FitColumn(std::string& text, std::span<const SColumnDef> columns, std::string_view column)
{
    const SColumnDef* def = FindColumn(columns, column);
    if (def && def->kind == EColumnKind::Text)
        text.resize(Utf8Prefix(text, static_cast<size_t>(def->size)).size());
}

SCategoryRecord FittedCategory(const SCategoryRecord& in)
{
    SCategoryRecord out;
    out.CatCode = in.CatCode;
    out.Category = in.Category;
    FitColumn(out.CatCode, CategoryColumns(), "CatCode");
    FitColumn(out.Category, CategoryColumns(), "Category");
    return out;
}

SFoodItemRecord FittedItem(const SFoodItemRecord& in)
{
    SFoodItemRecord out = in;
    out.ID = out.PalmID = out.wAttribs = 0;
    for (auto [text, column] : {std::pair{&out.ItemName, "ItemName"}, {&out.ItemCategoryCode, "ItemCategoryCode"},
                                {&out.ServingSizeName, "ServingSizeName"}, {&out.ServingSizeUnit, "ServingSizeUnit"}})
        FitColumn(*text, FoodItemColumns(), column);
    return out;
}

std::string ItemKey(std::string_view name, std::string_view categoryCode, std::int64_t servingSizeCode)
{
    std::string key;
    key.reserve(name.size() + categoryCode.size() + 12);
    key.append(name).append(1, '\0').append(categoryCode).append(1, '\0').append(std::to_string(servingSizeCode));
    return key;
}

std::string ItemKey(const SFoodItemRecord& item)
{
    return ItemKey(item.ItemName, item.ItemCategoryCode, item.ServingSizeCode);
}

/// A category's item list while items are placed in it: a linked list with
/// an index from item to position, so each placement takes constant time.
class CPlacedItems
{
public:
    explicit CPlacedItems(const std::vector<CFoodItem*>& items)
    {
        for (CFoodItem* item : items)
            m_where.emplace(item, m_items.insert(m_items.end(), item));
    }

    void Append(CFoodItem* item) { m_where.emplace(item, m_items.insert(m_items.end(), item)); }
    /// Directly after `previous`, or at the front when it is not in the list.
    void InsertAfter(const CFoodItem* previous, CFoodItem* item)
    {
        const auto found = previous ? m_where.find(previous) : m_where.end();
        const auto at = found == m_where.end() ? m_items.begin() : std::next(found->second);
        m_where.emplace(item, m_items.insert(at, item));
    }
    std::vector<CFoodItem*> Items() const { return {m_items.begin(), m_items.end()}; }

private:
    std::list<CFoodItem*> m_items;
    std::unordered_map<const CFoodItem*, std::list<CFoodItem*>::iterator> m_where;
};

} // namespace

int CFoodCatalogueMerge::MergeCategories(const std::vector<SCategoryRecord>& records)
{
    std::unordered_map<std::string, CItemCategory*> byCode;
    for (const auto& category : m_app.m_categories)
        byCode.emplace(category->CatCode, category.get());

    std::vector<std::unique_ptr<CItemCategory>> added;
    std::unordered_map<std::string, CItemCategory*> addedByCode;
    for (const auto& record : records) {
        const SCategoryRecord fitted = FittedCategory(record);
        if (byCode.contains(fitted.CatCode))
            continue;   // an existing category keeps its name
        auto category = std::make_unique<CItemCategory>();
        category->CatCode = fitted.CatCode;
        category->Category = fitted.Category;
        byCode.emplace(category->CatCode, category.get());
        addedByCode.emplace(category->CatCode, category.get());
        added.push_back(std::move(category));
    }
    if (added.empty())
        return 0;

    CTransaction transaction(*m_app.m_db);
    CFoodCategoryRS rs(*m_app.m_db);
    rs.Open(CRecordset::dbOpenDynaset, kLoadCategoriesSql);
    for (const auto& category : added) {
        rs.AddNew();
        rs.m_rec.CatCode = category->CatCode;
        rs.m_rec.Category = category->Category;
        rs.Update();
    }
    // The new rows' keys.
    rs.Open(CRecordset::dbOpenDynaset, kLoadCategoriesSql);
    for (; !rs.IsEOF(); rs.MoveNext())
        if (const auto found = addedByCode.find(rs.m_rec.CatCode); found != addedByCode.end())
            found->second->ID = rs.m_rec.ID;
    rs.Close();
    transaction.Commit();

    std::move(added.begin(), added.end(), std::back_inserter(m_app.m_categories));
    return static_cast<int>(addedByCode.size());
}

int CFoodCatalogueMerge::MergeFoodItems(const std::vector<SFoodItemRecord>& records)
{
    std::unordered_map<std::string, CFoodItem*> byKey;
    byKey.reserve(m_app.m_foodItems.size() + records.size());
    for (const auto& item : m_app.m_foodItems)
        byKey.emplace(ItemKey(*item), item.get());

    // New keys enter byKey at once, with the item filled in once its row is written.
    std::vector<std::pair<SFoodItemRecord, CFoodItem**>> fresh;
    for (const auto& record : records) {
        SFoodItemRecord fitted = FittedItem(record);
        const auto [slot, isNew] = byKey.try_emplace(ItemKey(fitted), nullptr);
        if (isNew)
            fresh.emplace_back(std::move(fitted), &slot->second);
    }
    if (fresh.empty())
        return 0;

    std::vector<std::unique_ptr<CFoodItem>> added;
    std::unordered_set<const CFoodItem*> isAdded;
    CTransaction transaction(*m_app.m_db);
    CFoodItemRS rs(*m_app.m_db);
    rs.Open(CRecordset::dbOpenDynaset, kLoadFoodItemsSql);
    for (auto& [record, slot] : fresh) {
        rs.AddNew();
        rs.m_rec = std::move(record);
        rs.Update();
        auto item = std::make_unique<CFoodItem>(CFoodItem::FromRecordset(rs));
        *slot = item.get();
        isAdded.insert(item.get());
        added.push_back(std::move(item));
    }
    // The new rows' keys: a new item's key is in no older row.
    rs.Open(CRecordset::dbOpenDynaset, "SELECT * FROM LnLg_FoodItem");
    for (; !rs.IsEOF(); rs.MoveNext())
        if (const auto found = byKey.find(ItemKey(rs.m_rec)); found != byKey.end() && isAdded.contains(found->second))
            found->second->ID = rs.m_rec.ID;
    rs.Close();
    transaction.Commit();

    // Memory changes only now, and nothing below touches the database.
    std::unordered_map<CItemCategory*, CPlacedItems> lists;
    for (const auto& item : added) {
        CItemCategory* category = m_app.FindCategoryByCode(item->ItemCategoryCode);
        if (!category)
            continue;   // kept without a category; it joins one at a later load
        item->m_pCategory = category;
        CPlacedItems& list = lists.try_emplace(category, category->m_items).first->second;
        if (item->ServingSizeCode == 1) {
            list.Append(item.get());
        } else {
            const auto previous = byKey.find(ItemKey(item->ItemName, item->ItemCategoryCode, std::int64_t{item->ServingSizeCode} - 1));
            list.InsertAfter(previous == byKey.end() ? nullptr : previous->second, item.get());
        }
    }
    for (auto& [category, list] : lists)
        category->m_items = list.Items();

    const int count = static_cast<int>(added.size());
    std::stable_sort(added.begin(), added.end(), [](const auto& a, const auto& b) { return ComesBefore(*a, *b); });
    std::vector<std::unique_ptr<CFoodItem>> merged;
    merged.reserve(m_app.m_foodItems.size() + added.size());
    // Existing items before new ones of the same name and size, as an insertion after them would place them.
    std::merge(std::make_move_iterator(m_app.m_foodItems.begin()), std::make_move_iterator(m_app.m_foodItems.end()),
               std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()), std::back_inserter(merged),
               [](const auto& a, const auto& b) { return ComesBefore(*a, *b); });
    m_app.m_foodItems = std::move(merged);
    for (const auto& item : m_app.m_foodItems)
        if (isAdded.contains(item.get()))
            m_app.FoodSearch().Add(*item);
    return count;
}
