#include "store/DailyInfoRS.h"

void CDailyInfoRS::CopyToRecordset(const CDailyInfo& day)
{
    const std::int32_t key = m_rec.ID;
    m_rec = day;
    m_rec.ID = key;
}

void CDailyInfoRS::DoFieldExchange(CFieldExchange& fx)
{
    // Names come from the table's column list, which holds them in exchange order.
    const auto columns = DailyColumns();
    size_t c = 0;
    auto next = [&]() -> std::string_view { return columns[c++].name; };
    fx.Long(next(), m_rec.ID);
    fx.Long(next(), m_rec.PalmID);
    fx.Long(next(), m_rec.wAttribs);
    fx.DateTime(next(), m_rec.date);
    fx.Double(next(), m_rec.weight);
    fx.Long(next(), m_rec.steps);
    fx.Long(next(), m_rec.carbs);
    fx.Bool(next(), m_rec.isProteinDay);
    for (const auto& position : kMealPositions) {
        if (position.slot < 0) {
            fx.Bool(next(), m_rec.Supplement(position.meal));
            continue;
        }
        MealSlot& slot = m_rec.slots[static_cast<size_t>(position.slot)];
        fx.Text(next(), slot.item);
        fx.Text(next(), slot.size);
        fx.Long(next(), slot.carbs);
    }
}
