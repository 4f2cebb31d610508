#pragma once

#include "store/FoodItem.h"
#include "store/FoodRecordsets.h"

#include <vector>

class CLeanlogApp;

/// Merges new categories and food items into the database tables and the
/// application's catalogue. Rows whose keys are known are skipped; nothing
/// is changed or removed. Each merge writes in one transaction and changes
/// the catalogue only after it committed, so a CDbException leaves file and
/// memory as they were. Look-ups use maps, so a merge takes time in
/// proportion to the catalogue and the records. UI thread only.
class CFoodCatalogueMerge
{
public:
    explicit CFoodCatalogueMerge(CLeanlogApp& app) : m_app(app) {}

    /// Adds the categories whose codes are not known; returns how many.
    /// Texts longer than their column are cut to it. Throws CDbException.
    int MergeCategories(const std::vector<SCategoryRecord>& records);
    /// Adds the items whose name, category code and serving size code are
    /// not known (deleted items count as known); returns how many. An item
    /// whose code names no category is added without one. Throws CDbException.
    int MergeFoodItems(const std::vector<SFoodItemRecord>& records);

private:
    CLeanlogApp& m_app;
};
