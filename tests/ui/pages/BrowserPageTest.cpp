#include "harness/WindowTest.h"

#include "ui/pages/BrowserPage.h"
#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/MainFrame.h"
#include "ui/pages/MarketingPages.h"
#include "ui/pages/StatusPage.h"
#include "ui/pages/SummaryPage.h"

#include <wx/webview.h>

namespace {

class CBrowserPageTest : public CDesktopTest
{
protected:
    void SetUp() override
    {
        MakeWeighedDiet(m_dir, 4, {180, 179, 179});
        ASSERT_NO_FATAL_FAILURE(StartAgain());
    }
};

} // namespace

TEST_F(CBrowserPageTest, PagesStartWithTheirDesignedTexts)
{
    EXPECT_EQ(View().StatusPage()->m_strHtml, "<h3>Coming Soon</h3>");
    EXPECT_EQ(View().SummaryPage()->m_strHtml, "");
    EXPECT_FALSE(View().StatusPage()->HasBrowser()) << "a page's web view is made when it is first shown";

    // Shown without selecting its tab (which would rebuild it), Status shows its first text.
    CStatusPage* status = View().StatusPage();
    status->Show();
    ASSERT_TRUE(WaitForPage(status->Browser()));
    EXPECT_EQ(PageText(status->Browser().View()), "Coming Soon");
    status->Hide();

    for (const int tab : {kTabPellaware, kTabSponsor}) {
        SelectTabByClick(tab);
        auto* page = static_cast<CBrowserPage*>(View().Page(tab));
        EXPECT_EQ(page->Browser().View()->GetId(), kIdPageBrowser);
        EXPECT_EQ(ShownBodyHtml(page->Browser().View()), ParsedBodyHtml(page->Browser().View(), page->m_strHtml));
    }
}

TEST_F(CBrowserPageTest, AnEmptyTextClearsThePage)
{
    SelectTabByClick(kTabPellaware);
    CBrowserPage* page = View().PellawarePage();
    ASSERT_FALSE(PageText(page->Browser().View()).empty());
    page->m_strHtml.clear();
    page->WriteHtml();
    ASSERT_TRUE(WaitForPage(page->Browser()));
    EXPECT_EQ(PageText(page->Browser().View()), "");
    EXPECT_EQ(ShownBodyHtml(page->Browser().View()), "");
}

TEST_F(CBrowserPageTest, WritingAPageLoadsItOnceAndNoMore)
{
    SelectTabByClick(kTabSummary);
    const CHtmlBrowser& browser = View().SummaryPage()->Browser();
    Pump(std::chrono::milliseconds(500));
    const int settled = browser.LoadCount();
    Pump(std::chrono::milliseconds(1000));
    EXPECT_EQ(browser.LoadCount(), settled) << "an idle page keeps loading";

    View().SummaryPage()->m_strHtml = "<p>one write</p>";
    View().SummaryPage()->WriteHtml();
    ASSERT_TRUE(WaitForPage(browser));
    Pump(std::chrono::milliseconds(1000));
    EXPECT_EQ(browser.LoadCount(), settled + 1);
    EXPECT_EQ(PageText(browser.View()), "one write");
}

TEST_F(CBrowserPageTest, AReloadShowsTheCurrentTextAgain)
{
    SelectTabByClick(kTabSponsor);
    CBrowserPage* page = View().SponsorPage();
    const std::string expected = ParsedBodyHtml(page->Browser().View(), page->m_strHtml);
    // A load the page did not start (here an explicit blank page) is written over.
    page->Browser().View()->LoadURL("about:blank");
    ASSERT_TRUE(WaitUntil([&] { return ShownBodyHtml(page->Browser().View()) == expected; }));
    Pump(std::chrono::milliseconds(500));
    EXPECT_EQ(ShownBodyHtml(page->Browser().View()), expected);
}
