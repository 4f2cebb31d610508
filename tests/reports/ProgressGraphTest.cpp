#include "reports/ProgressGraph.h"
#include "reports/ReportDiet.h"

#include <gtest/gtest.h>

#include <algorithm>

// Found by argument-dependent lookup from inside the assertions.
static bool operator==(const SGraphFill& a, const SGraphFill& b)
{
    return a.rect == b.rect && a.colour == b.colour;
}
static bool operator==(const SGraphLine& a, const SGraphLine& b)
{
    return a.from == b.from && a.to == b.to && a.colour == b.colour;
}

namespace {

/// A fixed-width font: 7 pixels per byte.
int FixedWidth(const std::string& text)
{
    return 7 * static_cast<int>(text.size());
}

CProgressGraph Graph(const CDayList& days, int goal, int width = 800, int height = 600)
{
    return CProgressGraph(days, goal, width, height, FixedWidth);
}

template <class T>
std::vector<T> ShapesOf(const std::vector<SGraphShape>& shapes)
{
    std::vector<T> found;
    for (const auto& shape : shapes)
        if (const T* item = std::get_if<T>(&shape))
            found.push_back(*item);
    return found;
}

/// All grid dots, in drawing order.
std::vector<SGraphPoint> DotsOf(const std::vector<SGraphShape>& shapes)
{
    std::vector<SGraphPoint> dots;
    for (const auto& group : ShapesOf<SGraphDots>(shapes)) {
        EXPECT_EQ(group.colour, (SRgb{0x80, 0x80, 0x80}));
        for (const int y : group.ys)
            dots.push_back({group.x, y});
    }
    return dots;
}

std::vector<SGraphLine> LinesOf(const std::vector<SGraphShape>& shapes, SRgb colour)
{
    std::vector<SGraphLine> lines = ShapesOf<SGraphLine>(shapes);
    std::erase_if(lines, [&](const SGraphLine& line) { return !(line.colour == colour); });
    return lines;
}

/// The x positions of vertical black lines spanning yAxis - half to yAxis + half.
std::vector<int> MarksOfHalfLength(const std::vector<SGraphShape>& shapes, int yAxis, int half)
{
    std::vector<int> xs;
    for (const auto& line : LinesOf(shapes, kGraphBlack))
        if (line.from.x == line.to.x && line.from.y == yAxis - half && line.to.y == yAxis + half)
            xs.push_back(line.from.x);
    return xs;
}

// Ten days losing a pound a day, goal 150, in an 800 x 600 page: plot from
// x 26 (label "200" is 21 pixels, + 5) to 380, y 40 to 280, 51 intervals.
CDayList TenDays()
{
    return MakeDietOfWeights({200, 199, 198, 197, 196, 195, 194, 193, 192, 191});
}

} // namespace

TEST(ProgressGraph, TenDaysFillTheLeftOfTheAxisInDrawingOrder)
{
    const CDayList days = TenDays();
    const CProgressGraph graph = Graph(days, 150);
    EXPECT_EQ(std::vector<int>({graph.ScaleMax(), graph.ScaleMin(), graph.XLeft(), graph.XRight(), graph.YAxis(),
                                graph.Intervals()}),
              std::vector<int>({200, 150, 26, 380, 280, 51}));
    // x = 26 + 354 i / 51; y = 280 - (w - 150) x 240 / 50, truncated
    const std::vector<SGraphPoint> expected = {{26, 40}, {32, 44}, {39, 49}, {46, 54}, {53, 59},
                                               {60, 64}, {67, 68}, {74, 73}, {81, 78}, {88, 83}};
    EXPECT_EQ(graph.Points(), expected);

    const auto shapes = graph.DrawGraph();
    ASSERT_GE(shapes.size(), 7u);
    EXPECT_EQ(std::get<SGraphFill>(shapes[0]), (SGraphFill{{0, 0, 800, 600}, SRgb{0xE0, 0xFF, 0xE0}}));

    const std::vector<SGraphText> texts = {
        {"200", {0, 27}},
        {"150", {0, 267}},
        {"Your Progress with Leanlog", {99, 14}},   // (380 - 182) / 2
        {"Weight", {2, 286}},
        {"Days", {176, 286}},                       // (380 - 28) / 2
    };
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(std::get<SGraphText>(shapes[1 + i]), texts[i]);
    EXPECT_EQ(std::get<SGraphOutline>(shapes[6]).rect, (SGraphRect{26, 40, 354, 240}));
    EXPECT_EQ(std::get<SGraphOutline>(shapes[6]).colour, (SRgb{0, 0, 0xFF}));

    // Day position 1 (x 32): its grid dots at every 5 pounds from 150 to 195, then its tick.
    EXPECT_EQ(std::get<SGraphDots>(shapes[7]).x, 32);
    EXPECT_EQ(std::get<SGraphDots>(shapes[7]).ys, (std::vector<int>{280, 256, 232, 208, 184, 160, 136, 112, 88, 64}));
    EXPECT_EQ(std::get<SGraphLine>(shapes[8]).from, (SGraphPoint{32, 277}));
    EXPECT_EQ(std::get<SGraphLine>(shapes[8]).to, (SGraphPoint{32, 283}));

    // The weight line comes last: square, then the segment into it, day by day.
    EXPECT_EQ(std::get<SGraphFill>(shapes[shapes.size() - 2]), (SGraphFill{{87, 82, 3, 3}, kGraphBlack}));
    EXPECT_EQ(std::get<SGraphLine>(shapes.back()), (SGraphLine{{81, 78}, {88, 83}, SRgb{0xFF, 0, 0}}));

    EXPECT_EQ(DotsOf(shapes).size(), 50u * 10);   // 50 interior positions x 10 levels
    EXPECT_EQ(shapes.size(), 1 + 5 + 1 + 50 + 4 + 50 + 10 + 9u);
}

TEST(ProgressGraph, StageMarksAndTicksOverEightyDays)
{
    std::vector<STestDay> plan;
    for (int i = 0; i < 80; ++i)
        plan.push_back({200.0 - i % 10});
    const CDayList days = MakeDiet(plan);
    const CProgressGraph graph = Graph(days, 150, 1000, 700);
    EXPECT_EQ(graph.Intervals(), 79);
    EXPECT_EQ(graph.YAxis(), 330);
    EXPECT_EQ(graph.Points().front().x, 26);
    EXPECT_EQ(graph.Points()[40].x, 255);   // 26 + 454 x 40 / 79
    EXPECT_EQ(graph.Points().back().x, 480);

    auto x = [](int k) { return 26 + 454 * k / 79; };
    const auto shapes = graph.DrawGraph();
    std::vector<int> longMarks;
    for (int k : {3, 10, 17, 24, 31, 38, 45, 52, 59, 66, 73}) {
        longMarks.push_back(x(k));
        if (k == 3 || k == 38 || k == 52) {   // stage marks: two lines, x and x + 1, before the tick
            longMarks.insert(longMarks.end() - 1, x(k));
            longMarks.insert(longMarks.end() - 1, x(k) + 1);
        }
    }
    EXPECT_EQ(MarksOfHalfLength(shapes, 330, 5), longMarks);
    EXPECT_EQ(MarksOfHalfLength(shapes, 330, 3).size(), 78u - 11);
}

TEST(ProgressGraph, ScaleTakesTruncatedWeightsAndTheGoal)
{
    const struct { const char* why; std::initializer_list<double> weights; int goal; int max, min; } cases[] = {
        {"goal below every weight", {200, 190}, 120, 200, 120},
        {"goal inside the range", {200, 190}, 195, 200, 190},
        {"goal above every weight", {150, 150}, 160, 150, 150},
        {"weights truncate", {180.5, 199.9}, 190, 199, 180},
    };
    for (const auto& c : cases) {
        const CDayList days = MakeDietOfWeights(c.weights);
        const CProgressGraph graph = Graph(days, c.goal);
        EXPECT_EQ(graph.ScaleMax(), c.max) << c.why;
        EXPECT_EQ(graph.ScaleMin(), c.min) << c.why;
    }
}

TEST(ProgressGraph, EqualWeightsSitAtMidHeightWithOneLabel)
{
    const CDayList days = MakeDietOfWeights({150, 150, 150});
    const CProgressGraph graph = Graph(days, 160);
    for (const auto& p : graph.Points())
        EXPECT_EQ(p.y, 160);   // (280 + 40) / 2
    const auto shapes = graph.DrawGraph();
    const auto texts = ShapesOf<SGraphText>(shapes);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], (SGraphText{"150", {0, 160}}));
    EXPECT_TRUE(ShapesOf<SGraphDots>(shapes).empty());   // no range, no grid
}

TEST(ProgressGraph, UnweighedDayLiesOnTheAxis)
{
    const CDayList days = MakeDietOfWeights({200, 0, 198});
    const CProgressGraph graph = Graph(days, 150);
    EXPECT_EQ(graph.Points()[1].y, 280);
    EXPECT_EQ(graph.Points()[0].y, 40);
    EXPECT_EQ(ShapesOf<SGraphText>(graph.DrawGraph())[1], (SGraphText{"0", {14, 267}}));   // right-aligned
    const auto dots = DotsOf(graph.DrawGraph());
    ASSERT_EQ(dots.size(), 50u * 40);
    EXPECT_EQ(dots[0], (SGraphPoint{32, 280}));    // level 0 on the axis
    EXPECT_EQ(dots[1], (SGraphPoint{32, 274}));    // level 5: 240 x 5 / 200
}

TEST(ProgressGraph, SingleDayDrawsAVerticalLineInsteadOfAPoint)
{
    const CDayList days = MakeDietOfWeights({200});
    const auto shapes = Graph(days, 150).DrawGraph();
    EXPECT_EQ(ShapesOf<SGraphFill>(shapes).size(), 1u);   // the background only
    EXPECT_TRUE(LinesOf(shapes, kGraphWeightLine).empty());
    // x (26 + 380) / 2, from mid-height down to the axis
    EXPECT_EQ(std::get<SGraphLine>(shapes.back()), (SGraphLine{{203, 160}, {203, 280}, kGraphBlack}));
}

TEST(ProgressGraph, EmptyDietDrawsOnlyTheBackground)
{
    const CDayList days;
    const CProgressGraph graph = Graph(days, 150, 640, 480);
    const auto shapes = graph.DrawGraph();
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(std::get<SGraphFill>(shapes[0]).rect, (SGraphRect{0, 0, 640, 480}));
    EXPECT_EQ(graph.HitTestDay({0, 0}), -1);
    EXPECT_EQ(CProgressGraph::TooltipText(-1), "");
}

TEST(ProgressGraph, HitTestCoversTheThreeByThreeSquare)
{
    const CDayList days = TenDays();
    const CProgressGraph graph = Graph(days, 150);
    const SGraphPoint p = graph.Points()[4];   // (53, 59)
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            EXPECT_EQ(graph.HitTestDay({p.x + dx, p.y + dy}), 4) << dx << "," << dy;
    for (const SGraphPoint off : {SGraphPoint{2, 0}, SGraphPoint{-2, 0}, SGraphPoint{0, 2}, SGraphPoint{0, -2},
                                  SGraphPoint{2, 2}})
        EXPECT_EQ(graph.HitTestDay({p.x + off.x, p.y + off.y}), -1) << off.x << "," << off.y;

    // Every drawn square is found at its centre.
    const auto squares = ShapesOf<SGraphFill>(graph.DrawGraph());
    for (size_t i = 1; i < squares.size(); ++i)
        EXPECT_EQ(graph.HitTestDay({squares[i].rect.x + 1, squares[i].rect.y + 1}), static_cast<int>(i - 1));
}

TEST(ProgressGraph, HoverPanelTexts)
{
    CDayList days = MakeDietOfWeights({200, 198, 199, 0, 203});
    days[4]->isProteinDay = true;
    const CProgressGraph graph = Graph(days, 150);
    const struct
    {
        int day;
        const char* label;
        const char* weight;
        const char* daily;
        const char* cumulative;
    } cases[] = {
        {0, "01/15/2006 - Stage 1, Protein Day 1", "Weight 200.00", "Daily Loss  0.00", "Cumulative Loss  0.00"},
        {1, "01/16/2006 - Stage 1, Protein Day 2", "Weight 198.00", "Daily Loss  2.00", "Cumulative Loss  2.00"},
        {2, "01/17/2006 - Stage 1, Protein Day 3", "Weight 199.00", "Daily Gain  1.00", "Cumulative Loss  1.00"},
        {3, "01/18/2006 - Stage 1, Week 1 Day 1", "Weight  0.00", "Daily Loss 199.00", "Cumulative Loss 200.00"},
        {4, "01/19/2006 - Stage 1, Week 1 Day 2 Protein Day", "Weight 203.00", "Daily Gain 203.00",
         "Cumulative Gain  3.00"},
    };
    for (const auto& c : cases) {
        const SHoverPanel panel = graph.HoverPanel(c.day);
        EXPECT_EQ(panel.rect, (SGraphRect{420, 0, 380, 200}));
        const std::vector<SGraphText> expected = {
            {c.label, {420, 20}}, {c.weight, {420, 40}}, {c.daily, {420, 60}}, {c.cumulative, {420, 80}}};
        EXPECT_EQ(panel.texts, expected) << c.day;
    }
    EXPECT_TRUE(graph.HoverPanel(-1).texts.empty());
    EXPECT_EQ(graph.HoverPanel(-1).rect, (SGraphRect{420, 0, 380, 200}));
    EXPECT_EQ(Graph(days, 150, 1001, 600).HoverPanel(-1).rect, (SGraphRect{520, 0, 480, 200}));
}

TEST(ProgressGraph, DenseGridLevelsGiveEachRowOnce)
{
    // 3000 pounds over 240 rows: 600 levels, several a row. The rows drawn are
    // exactly the distinct rows the levels fall on.
    const CDayList days = MakeDietOfWeights({3000, 2990, 2980});
    const CProgressGraph graph = Graph(days, 0);
    std::vector<int> expected;
    for (long long v = 0; v < 3000; v += 5)
        expected.push_back(280 - static_cast<int>(240 * v / 3000));
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    const auto groups = ShapesOf<SGraphDots>(graph.DrawGraph());
    ASSERT_EQ(groups.size(), 50u);
    EXPECT_EQ(groups.front().ys, expected);
}

TEST(ProgressGraph, MistypedHugeWeightKeepsTheGridBounded)
{
    // A weight typed with extra digits reaches the int limit; the grid must not
    // grow with the pound range.
    const CDayList days = MakeDietOfWeights({200, 2147483647.0, 198});
    const CProgressGraph graph = Graph(days, 150);
    EXPECT_EQ(graph.ScaleMax(), 2147483647);
    const auto groups = ShapesOf<SGraphDots>(graph.DrawGraph());
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(groups.front().ys.size(), 240u);   // one per row of the plot
    EXPECT_EQ(graph.Points()[1].y, 40);
}
