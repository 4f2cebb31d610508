#pragma once

#include "store/DailyInfo.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class CLeanlogApp;

/// A pixel position in the page's client area (origin top left).
struct SGraphPoint
{
    int x = 0;
    int y = 0;
    friend bool operator==(const SGraphPoint&, const SGraphPoint&) = default;
};

/// A rectangle in client pixels: left, top, width, height.
struct SGraphRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const SGraphRect&, const SGraphRect&) = default;
};

struct SRgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const SRgb&, const SRgb&) = default;
};

inline constexpr SRgb kGraphBackground{0xE0, 0xFF, 0xE0};   ///< page and detail panel, light green
inline constexpr SRgb kGraphFrame{0x00, 0x00, 0xFF};        ///< plot frame, blue
inline constexpr SRgb kGraphWeightLine{0xFF, 0x00, 0x00};   ///< weight segments, red
inline constexpr SRgb kGraphBlack{0x00, 0x00, 0x00};        ///< points, ticks, stage marks, texts
inline constexpr SRgb kGraphGrey{0x80, 0x80, 0x80};         ///< grid dots

/// A solid rectangle (no outline).
struct SGraphFill
{
    SGraphRect rect;
    SRgb colour;
};
/// A 1-pixel outline of `rect`'s width x height pixels; the inside is not painted.
struct SGraphOutline
{
    SGraphRect rect;
    SRgb colour;
};
/// A 1-pixel line from `from` to `to`, the end pixel left out (as wxDC::DrawLine).
struct SGraphLine
{
    SGraphPoint from;
    SGraphPoint to;
    SRgb colour;
};
/// One-pixel dots in a column at `x`: the grid dots of one day position,
/// lowest level first.
struct SGraphDots
{
    int x = 0;
    std::vector<int> ys;
    SRgb colour;
};
/// Black text in the page's font, `at` its top-left corner; UTF-8.
struct SGraphText
{
    std::string text;
    SGraphPoint at;
    friend bool operator==(const SGraphText&, const SGraphText&) = default;
};

using SGraphShape = std::variant<SGraphFill, SGraphOutline, SGraphLine, SGraphDots, SGraphText>;

/// Width in pixels of a UTF-8 text in the page's font.
using TextWidthFn = std::function<int(const std::string& text)>;

/// The day detail panel beside the chart: its rectangle, filled with the
/// background colour, and the texts written on it (none when no day is hit).
struct SHoverPanel
{
    SGraphRect rect;
    std::vector<SGraphText> texts;
};

inline constexpr const char* kGraphTitle = "Your Progress with Leanlog";
/// The tooltip's text while the cursor is on a point; the same for every day.
inline constexpr const char* kGraphTooltip = "Day xxx";

/// The Progress graph for one client size: the weight of every day of the
/// diet (unweighed days at 0) against the day axis with its stage marks.
/// Borrows the day list, which must outlive the object: build one per
/// paint or mouse move. UI-free; the window paints the shapes in order.
class CProgressGraph
{
public:
    /// `clientWidth` and `clientHeight` are the right and bottom of the
    /// client rectangle; `goalWeight` in whole pounds.
    CProgressGraph(const CDayList& days, std::int32_t goalWeight, int clientWidth, int clientHeight,
                   const TextWidthFn& textWidth);
    CProgressGraph(const CLeanlogApp& app, int clientWidth, int clientHeight, const TextWidthFn& textWidth);
    CProgressGraph(CDayList&&, std::int32_t, int, int, const TextWidthFn&) = delete;   // would dangle

    /// Everything one paint draws, in drawing order; only the background
    /// fill when the diet has no days.
    std::vector<SGraphShape> DrawGraph() const;
    /// The day whose point lies within one pixel of `p` both ways (the
    /// first such day), or -1.
    int HitTestDay(SGraphPoint p) const;
    /// The detail panel for day `day` (from HitTestDay; -1 for none).
    SHoverPanel HoverPanel(int day) const;
    /// The tooltip's text for day `day`: empty for -1.
    static std::string_view TooltipText(int day);

    int ScaleMax() const { return m_max; }
    int ScaleMin() const { return m_min; }
    int XLeft() const { return m_xLeft; }
    int XRight() const { return m_xRight; }
    int YAxis() const { return m_yAxis; }
    /// Day intervals along the axis: days - 1, but at least 51.
    int Intervals() const { return m_intervals; }
    /// Each day's plotted point, in day order.
    const std::vector<SGraphPoint>& Points() const { return m_points; }

private:
    void FindScale(std::int32_t goalWeight);
    int DayX(int day) const;
    int WeightY(double weight) const;
    int MidHeight() const;
    void FindGridRows();
    std::size_t ShapeCountBound() const;
    void AddScaleLabels(std::vector<SGraphShape>& shapes) const;
    void AddCaptions(std::vector<SGraphShape>& shapes) const;
    void AddDayAxis(std::vector<SGraphShape>& shapes) const;
    void AddWeightLine(std::vector<SGraphShape>& shapes) const;

    const CDayList& m_days;
    int m_width = 0;
    int m_height = 0;
    int m_max = 0;
    int m_min = 0;
    std::string m_maxLabel;
    std::string m_minLabel;
    int m_labelWidth = 0;
    int m_maxLabelWidth = 0;
    int m_minLabelWidth = 0;
    int m_titleWidth = 0;
    int m_daysCaptionWidth = 0;
    int m_xLeft = 0;
    int m_xRight = 0;
    int m_yAxis = 0;
    int m_intervals = 0;
    std::vector<SGraphPoint> m_points;
    std::vector<int> m_gridYs;   ///< rows of the grid dots, the same at every day position
};
