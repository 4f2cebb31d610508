#include "harness/WindowTest.h"

#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/MainFrame.h"
#include "ui/controls/WxText.h"
#include "ui/pages/GraphPage.h"

#include <wx/statusbr.h>

namespace {

wxColour Pixel(const wxImage& image, int x, int y)
{
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

const wxColour kBackground(0xE0, 0xFF, 0xE0);

/// True when some pixel of `rect` is dark (text).
bool HasInk(const wxImage& image, const wxRect& rect)
{
    for (int y = rect.GetTop(); y <= rect.GetBottom(); ++y)
        for (int x = rect.GetLeft(); x <= rect.GetRight(); ++x)
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 300)
                return true;
    return false;
}

class CGraphPageTest : public CDesktopTest
{
protected:
    void SetUp() override
    {
        // Days 3 and 4 weigh the same: the red segment between them is level.
        MakeWeighedDiet(m_dir, 12, {230, 228, 227, 225, 225, 224, 226, 222, 221, 220}, 200);
        ASSERT_NO_FATAL_FAILURE(StartAgain());
        Frame()->SetSize(1000, 700);
        Pump(std::chrono::milliseconds(200));
        SelectTabByClick(kTabGraph);
        m_pPage = View().GraphPage();
    }

    CGraphPage* m_pPage = nullptr;
};

} // namespace

TEST_F(CGraphPageTest, PaintsTheCoreGeometryInTheDesignedColours)
{
    const CProgressGraph graph = m_pPage->Graph();
    const wxImage image = GrabWindow(m_pPage);
    SaveScreenshot(m_pPage, "graph-page");
    const wxSize size = m_pPage->GetClientSize();
    ASSERT_EQ(image.GetWidth(), size.x);

    EXPECT_EQ(Pixel(image, size.x - 2, size.y - 2), kBackground);
    const int midPlot = (40 + graph.YAxis()) / 2;
    EXPECT_EQ(Pixel(image, graph.XLeft(), midPlot), wxColour(0, 0, 0xFF)) << "plot frame";
    EXPECT_EQ(Pixel(image, graph.XRight() - 1, midPlot), wxColour(0, 0, 0xFF)) << "plot frame";
    // Each point is a black 3 by 3 square; the red segments run through its
    // middle, so look for black pixels in the square rather than at its centre.
    for (const auto& p : graph.Points()) {
        int black = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                black += Pixel(image, p.x + dx, p.y + dy) == *wxBLACK;
        EXPECT_GE(black, 2) << "point at " << p.x << "," << p.y;
    }
    const SGraphPoint a = graph.Points()[3];
    const SGraphPoint b = graph.Points()[4];
    ASSERT_EQ(a.y, b.y);
    ASSERT_GT(b.x - a.x, 4);
    EXPECT_EQ(Pixel(image, (a.x + b.x) / 2, a.y), wxColour(0xFF, 0, 0)) << "weight line";
    EXPECT_TRUE(HasInk(image, wxRect(0, 10, graph.XRight(), 20))) << "title";
}

TEST_F(CGraphPageTest, HoveringAPointShowsItsDetailsTooltipAndClearsThePane)
{
    const CProgressGraph graph = m_pPage->Graph();
    const int day = 5;
    const SGraphPoint point = graph.Points()[day];
    const SHoverPanel panel = graph.HoverPanel(day);
    ASSERT_EQ(panel.texts.size(), 4u);
    const auto textRect = [this](const SGraphText& text) {
        return wxRect(text.at.x, text.at.y, m_pPage->GetTextExtent(ToWx(text.text)).x, m_pPage->GetCharHeight());
    };
    wxImage before = GrabWindow(m_pPage);
    for (const auto& text : panel.texts)
        EXPECT_FALSE(HasInk(before, textRect(text))) << "nothing shown yet: " << text.text;

    Frame()->SetStatusText("Ready", 0);
    MoveMouseTo(m_pPage, wxPoint(point.x, point.y));
    ASSERT_TRUE(WaitUntil([this] { return m_pPage->PanelDay() == day; }));
    EXPECT_EQ(m_pPage->HoverDay(), day);
    EXPECT_EQ(m_pPage->HitTestDay(wxPoint(point.x, point.y)), day);
    EXPECT_TRUE(m_pPage->IsTooltipActive());
    EXPECT_EQ(ToUtf8(m_pPage->GetToolTipText()), "Day xxx");
    EXPECT_EQ(Frame()->GetStatusBar()->GetStatusText(0), "");
    const wxImage shown = GrabWindow(m_pPage);
    for (const auto& text : panel.texts)
        EXPECT_TRUE(HasInk(shown, textRect(text))) << "panel shows: " << text.text;
    SaveScreenshot(Frame(), "graph-hover");

    // Two pixels off the point clears the panel; one pixel off still counts.
    MoveMouseTo(m_pPage, wxPoint(point.x + 2, point.y));
    ASSERT_TRUE(WaitUntil([this] { return m_pPage->PanelDay() == -1; }));
    EXPECT_FALSE(m_pPage->IsTooltipActive());
    EXPECT_EQ(m_pPage->HoverDay(), day) << "the hover day is kept";
    const wxImage cleared = GrabWindow(m_pPage);
    for (const auto& text : panel.texts)
        EXPECT_FALSE(HasInk(cleared, textRect(text))) << "cleared: " << text.text;
    MoveMouseTo(m_pPage, wxPoint(point.x + 1, point.y - 1));
    EXPECT_TRUE(WaitUntil([this] { return m_pPage->PanelDay() == day; }));
    EXPECT_TRUE(m_pPage->IsTooltipActive());
}
