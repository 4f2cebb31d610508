#include "entry/MealGrid.h"

EGridLayout LayoutWithRows(int rows)
{
    switch (rows) {
    case 9: return EGridLayout::P9;
    case 10: return EGridLayout::P10;
    case 11: return EGridLayout::P11;
    case 21: return EGridLayout::N21;
    case 24: return EGridLayout::N24;
    default: break;
    }
    return EGridLayout::N26;
}

std::string_view LayoutName(EGridLayout layout)
{
    static constexpr std::array<std::string_view, 6> names{"P9", "P10", "P11", "N21", "N24", "N26"};
    return names[static_cast<size_t>(layout)];
}
