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
