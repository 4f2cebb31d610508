#include "reports/ProgressGraph.h"

#include "app/LeanlogApp.h"
#include "base/StrPrintf.h"
#include "diet/DietCalendar.h"
#include "reports/WeighedRun.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kPlotTop = 40;
constexpr int kMinIntervals = 51;      // a diet shorter than 52 days fills the left part only
constexpr int kLabelGap = 5;
constexpr int kGridStep = 5;           // pounds between grid dot levels
constexpr int kLongTick = 5;
constexpr int kShortTick = 3;
constexpr int kPanelGap = 20;
constexpr int kPanelHeight = 200;
constexpr int kStage1Start = 3;
constexpr int kStage2Start = 38;
constexpr int kAfterStage2Start = 52;

bool IsStageMark(int k)
{
    return k == kStage1Start || k == kStage2Start || k == kAfterStage2Start;
}

// Long ticks mark the start of each week, counted afresh from each stage's start.
bool IsLongTick(int k)
{
    if (k < kStage1Start)
        return false;
    if (k < kStage2Start)
        return (k - kStage1Start) % 7 == 0;
    if (k < kAfterStage2Start)
        return (k - kStage2Start) % 7 == 0;
    return (k - kAfterStage2Start) % 7 == 0;
}

SGraphLine Vertical(int x, int halfLength, int yAxis)
{
    return {{x, yAxis - halfLength}, {x, yAxis + halfLength}, kGraphBlack};
}

// The first multiple of `step` at or above `value`, for any sign.
long long RoundUpToMultiple(long long value, int step)
{
    const long long remainder = value % step;
    return remainder == 0 ? value : value + (remainder > 0 ? step - remainder : -remainder);
}

} // namespace

CProgressGraph::CProgressGraph(const CDayList& days, std::int32_t goalWeight, int clientWidth, int clientHeight,
                               const TextWidthFn& textWidth)
    : m_days(days), m_width(clientWidth), m_height(clientHeight)
{
    m_yAxis = clientHeight / 2 - 20;
    m_xRight = clientWidth / 2 - 20;
    m_titleWidth = textWidth(kGraphTitle);
    m_daysCaptionWidth = textWidth("Days");
    if (days.empty())
        return;
    FindScale(goalWeight);
    m_maxLabel = StrPrintf("%d", m_max);
    m_minLabel = StrPrintf("%d", m_min);
    m_maxLabelWidth = textWidth(m_maxLabel);
    m_minLabelWidth = textWidth(m_minLabel);
    m_labelWidth = std::max(m_maxLabelWidth, m_minLabelWidth);
    m_xLeft = m_labelWidth + kLabelGap;
    m_intervals = std::max(static_cast<int>(days.size()) - 1, kMinIntervals);
    m_points.reserve(days.size());
    for (size_t i = 0; i < days.size(); ++i)
        m_points.push_back({DayX(static_cast<int>(i)), WeightY(days[i]->weight)});
    FindGridRows();
}

CProgressGraph::CProgressGraph(const CLeanlogApp& app, int clientWidth, int clientHeight, const TextWidthFn& textWidth)
    : CProgressGraph(app.m_days, app.m_nGoalWeight, clientWidth, clientHeight, textWidth)
{
}

void CProgressGraph::FindScale(std::int32_t goalWeight)
{
    m_max = m_min = TruncateToInt(m_days.front()->weight);
    m_min = std::min(m_min, goalWeight);
    for (const auto& day : m_days) {
        if (m_max < day->weight)
            m_max = TruncateToInt(day->weight);
        if (m_min > day->weight)
            m_min = TruncateToInt(day->weight);
    }
}

int CProgressGraph::DayX(int day) const
{
    // 64-bit product: a wide window times a long diet must not overflow.
    return m_xLeft + static_cast<int>(static_cast<long long>(m_xRight - m_xLeft) * day / m_intervals);
}

int CProgressGraph::MidHeight() const
{
    return (m_yAxis + kPlotTop) / 2;
}

int CProgressGraph::WeightY(double weight) const
{
    if (m_max == m_min)
        return MidHeight();
    return TruncateToInt(m_yAxis - (weight - m_min) * (m_yAxis - kPlotTop) / (static_cast<double>(m_max) - m_min));
}

std::vector<SGraphShape> CProgressGraph::DrawGraph() const
{
    std::vector<SGraphShape> shapes;
    shapes.reserve(ShapeCountBound());
    shapes.emplace_back(SGraphFill{{0, 0, m_width, m_height}, kGraphBackground});
    if (m_days.empty())
        return shapes;
    AddScaleLabels(shapes);
    AddCaptions(shapes);
    shapes.emplace_back(SGraphOutline{{m_xLeft, kPlotTop, m_xRight - m_xLeft, m_yAxis - kPlotTop}, kGraphFrame});
    AddDayAxis(shapes);
    AddWeightLine(shapes);
    return shapes;
}

void CProgressGraph::FindGridRows()
{
    const long long plotHeight = m_yAxis - kPlotTop;
    const long long range = static_cast<long long>(m_max) - m_min;
    if (range <= 0)
        return;
    const long long rows = plotHeight < 0 ? -plotHeight : plotHeight;
    const int direction = plotHeight < 0 ? -1 : 1;
    // A mistyped weight such as 99999 spreads millions of 5-pound levels
    // over a few hundred rows. From five levels a row on, every row holds at
    // least one multiple of 5, so the rows are listed instead of the levels.
    if (rows > 0 && range >= kGridStep * rows) {
        for (long long r = 0; r < rows; ++r)
            m_gridYs.push_back(m_yAxis - direction * static_cast<int>(r));
        return;
    }
    for (long long v = RoundUpToMultiple(m_min, kGridStep); v < m_max; v += kGridStep)
        m_gridYs.push_back(m_yAxis - static_cast<int>(plotHeight * (v - m_min) / range));
}

size_t CProgressGraph::ShapeCountBound() const
{
    if (m_days.empty())
        return 1;
    const size_t fixed = 1 + 2 + 3 + 1 + 3 * 2;   // background, labels, captions, frame, stage marks
    return fixed + 2 * static_cast<size_t>(m_intervals) + 2 * m_points.size();   // dots and tick, point and segment
}

void CProgressGraph::AddScaleLabels(std::vector<SGraphShape>& shapes) const
{
    // Right-aligned: both labels end where the wider one ends.
    if (m_max == m_min) {
        shapes.emplace_back(SGraphText{m_maxLabel, {m_labelWidth - m_maxLabelWidth, MidHeight()}});
        return;
    }
    shapes.emplace_back(SGraphText{m_maxLabel, {m_labelWidth - m_maxLabelWidth, 27}});
    shapes.emplace_back(SGraphText{m_minLabel, {m_labelWidth - m_minLabelWidth, m_yAxis - 13}});
}

void CProgressGraph::AddCaptions(std::vector<SGraphShape>& shapes) const
{
    shapes.emplace_back(SGraphText{kGraphTitle, {(m_xRight - m_titleWidth) / 2, 14}});
    shapes.emplace_back(SGraphText{"Weight", {2, m_yAxis + 6}});
    shapes.emplace_back(SGraphText{"Days", {(m_xRight - m_daysCaptionWidth) / 2, m_yAxis + 6}});
}

void CProgressGraph::AddDayAxis(std::vector<SGraphShape>& shapes) const
{
    for (int k = 1; k < m_intervals; ++k) {
        const int x = DayX(k);
        if (!m_gridYs.empty())
            shapes.emplace_back(SGraphDots{x, m_gridYs, kGraphGrey});
        if (IsStageMark(k)) {
            shapes.emplace_back(Vertical(x, kLongTick, m_yAxis));
            shapes.emplace_back(Vertical(x + 1, kLongTick, m_yAxis));
        }
        shapes.emplace_back(Vertical(x, IsLongTick(k) ? kLongTick : kShortTick, m_yAxis));
    }
}

void CProgressGraph::AddWeightLine(std::vector<SGraphShape>& shapes) const
{
    if (m_points.size() == 1) {
        const int x = (m_xLeft + m_xRight) / 2;
        shapes.emplace_back(SGraphLine{{x, MidHeight()}, {x, m_yAxis}, kGraphBlack});
        return;
    }
    for (size_t i = 0; i < m_points.size(); ++i) {
        const SGraphPoint p = m_points[i];
        shapes.emplace_back(SGraphFill{{p.x - 1, p.y - 1, 3, 3}, kGraphBlack});
        if (i > 0)
            shapes.emplace_back(SGraphLine{m_points[i - 1], p, kGraphWeightLine});
    }
}

int CProgressGraph::HitTestDay(SGraphPoint p) const
{
    for (size_t i = 0; i < m_points.size(); ++i)
        if (std::abs(p.x - m_points[i].x) <= 1 && std::abs(p.y - m_points[i].y) <= 1)
            return static_cast<int>(i);
    return -1;
}

SHoverPanel CProgressGraph::HoverPanel(int day) const
{
    SHoverPanel panel;
    const int x = m_width / 2 + kPanelGap;
    panel.rect = {x, 0, m_width / 2 - kPanelGap, kPanelHeight};
    if (day < 0 || static_cast<size_t>(day) >= m_days.size())
        return panel;
    const CDailyInfo& first = *m_days.front();
    const CDailyInfo& hit = *m_days[static_cast<size_t>(day)];
    const double previous = m_days[static_cast<size_t>(day > 0 ? day - 1 : 0)]->weight;
    panel.texts.push_back({StageLabel(hit.date, DayIndex(first.date, hit.date), hit.isProteinDay), {x, 20}});
    panel.texts.push_back({StrPrintf("Weight %5.2f", hit.weight), {x, 40}});
    panel.texts.push_back({previous >= hit.weight ? StrPrintf("Daily Loss %5.2f", previous - hit.weight)
                                                  : StrPrintf("Daily Gain %5.2f", hit.weight - previous),
                           {x, 60}});
    panel.texts.push_back({first.weight >= hit.weight ? StrPrintf("Cumulative Loss %5.2f", first.weight - hit.weight)
                                                      : StrPrintf("Cumulative Gain %5.2f", hit.weight - first.weight),
                           {x, 80}});
    return panel;
}

std::string_view CProgressGraph::TooltipText(int day)
{
    return day < 0 ? std::string_view() : std::string_view(kGraphTooltip);
}
