#include "harness/WindowTest.h"

TEST(MainPageLayout, ButtonsSitInTwoColumnsAndFourRowsWithEqualGaps)
{
    const wxSize button(150, 40);
    const struct
    {
        wxSize page;
        int left, right;   // the two columns
        std::array<int, 4> rows;
    } cases[] = {
        {{801, 409}, 167, 484, {49, 138, 227, 316}},   // gaps (801 - 300) / 3 and (409 - 160) / 5
        {{300, 400}, 0, 0, {48, 136, 224, 312}},       // exactly two buttons wide: no gap
        {{800, 160}, 166, 482, {0, 0, 0, 0}},          // not taller than four buttons
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page.x);
        const auto rects = MainPageButtonRects(c.page, button, wxSize(150, 70));
        for (size_t i = 0; i < 7; ++i)
            EXPECT_EQ(rects[i], wxRect(wxPoint(i % 2 == 0 ? c.left : c.right, c.rows[i / 2]), button)) << i;
        // The sponsor button keeps its size, centred on the right-hand slot of row 4.
        EXPECT_EQ(rects[7], wxRect(c.right, c.rows[3] - 15, 150, 70));
    }
}
