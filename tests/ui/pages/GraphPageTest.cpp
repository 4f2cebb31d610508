#include "harness/WindowTest.h"

#include "ui/pages/GraphPage.h"

#include <wx/statusbr.h>

namespace {

/// True when some pixel of `rect` is dark (text).
bool HasInk(const wxImage& image, const wxRect& rect)
{
    for (int y = rect.GetTop(); y <= rect.GetBottom(); ++y)
        for (int x = rect.GetLeft(); x <= rect.GetRight(); ++x)
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 300)
                return true;
    return false;
}

using CGraphPageTest = CFrameTest;

} // namespace

TEST_F(CGraphPageTest, PaintsTheCoreGeometryAndShowsAHoveredPointsDetails)
{
    Frame()->SetSize(1000, 700);
    Pump(std::chrono::milliseconds(200));
    SelectTabByClick(kTabGraph);
    CGraphPage* page = View().GraphPage();
    const CProgressGraph graph = page->Graph();
    const wxImage image = GrabWindow(page);
    SaveScreenshot(page, "graph-page");
    const wxSize size = page->GetClientSize();
    ASSERT_EQ(image.GetWidth(), size.x);

    EXPECT_EQ(PixelAt(image, size.x - 2, size.y - 2), wxColour(0xE0, 0xFF, 0xE0)) << "background";
    const int midPlot = (40 + graph.YAxis()) / 2;
    EXPECT_EQ(PixelAt(image, graph.XLeft(), midPlot), wxColour(0, 0, 0xFF)) << "plot frame";
    EXPECT_EQ(PixelAt(image, graph.XRight() - 1, midPlot), wxColour(0, 0, 0xFF)) << "plot frame";
    // Each point is a black 3 by 3 square with the red line through its middle.
    for (const auto& p : graph.Points()) {
        int black = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                black += PixelAt(image, p.x + dx, p.y + dy) == *wxBLACK;
        EXPECT_GE(black, 2) << "point at " << p.x << "," << p.y;
    }
    const SGraphPoint a = graph.Points()[3];
    const SGraphPoint b = graph.Points()[4];
    ASSERT_EQ(a.y, b.y);
    EXPECT_EQ(PixelAt(image, (a.x + b.x) / 2, a.y), wxColour(0xFF, 0, 0)) << "weight line";
    EXPECT_TRUE(HasInk(image, wxRect(0, 10, graph.XRight(), 20))) << "title";

    // Hovering a point shows its details and a tooltip and clears the message pane.
    const int day = 5;
    const SGraphPoint point = graph.Points()[day];
    const SHoverPanel panel = graph.HoverPanel(day);
    ASSERT_EQ(panel.texts.size(), 4u);
    const auto expectPanel = [&](bool shown) {
        const wxImage now = GrabWindow(page);
        for (const auto& text : panel.texts) {
            const wxRect rect(text.at.x, text.at.y, page->GetTextExtent(ToWx(text.text)).x, page->GetCharHeight());
            EXPECT_EQ(HasInk(now, rect), shown) << text.text;
        }
    };
    expectPanel(false);

    Frame()->SetStatusText("Ready", 0);
    MoveMouseTo(page, wxPoint(point.x, point.y));
    ASSERT_TRUE(WaitUntil([page] { return page->PanelDay() == day; }));
    EXPECT_TRUE(page->IsTooltipActive());
    EXPECT_EQ(ToUtf8(page->GetToolTipText()), "Day xxx");
    EXPECT_EQ(Frame()->GetStatusBar()->GetStatusText(0), "");
    expectPanel(true);
    SaveScreenshot(Frame(), "graph-hover");

    // Two pixels off the point clears the panel; one pixel off still counts.
    MoveMouseTo(page, wxPoint(point.x + 2, point.y));
    ASSERT_TRUE(WaitUntil([page] { return page->PanelDay() == -1; }));
    EXPECT_FALSE(page->IsTooltipActive());
    EXPECT_EQ(page->HoverDay(), day) << "the hover day is kept";
    expectPanel(false);
    MoveMouseTo(page, wxPoint(point.x + 1, point.y - 1));
    EXPECT_TRUE(WaitUntil([page] { return page->PanelDay() == day; }));
    EXPECT_TRUE(page->IsTooltipActive());
}
