#include "harness/WindowTest.h"

#include <wx/evtloop.h>

#include "harness/ScreenGrab.h"

#include "ui/app/WebProcesses.h"

#include <wx/filename.h>
#include <wx/utils.h>

CExpectDialog<wxMessageDialog> ExpectMessage(const std::string& expected, int answer)
{
    return CExpectDialog<wxMessageDialog>([expected, answer](wxMessageDialog* box) {
        EXPECT_NE(ToUtf8(box->GetMessage()).find(expected), std::string::npos) << ToUtf8(box->GetMessage());
        return answer;
    });
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        // Yield does nothing inside a Yield (a dialog answered while a
        // test waits): dispatch the loop's events directly then.
        wxEventLoopBase* loop = wxEventLoopBase::GetActive();
        if (loop && loop->IsYielding()) {
            while (loop->Pending())
                loop->Dispatch();
            wxTheApp->ProcessPendingEvents();
        } else {
            wxTheApp->Yield(true);
        }
        wxMilliSleep(5);
    }
    return true;
}

void Pump(std::chrono::milliseconds time)
{
    const auto end = std::chrono::steady_clock::now() + time;
    WaitUntil([&] { return std::chrono::steady_clock::now() >= end; }, time + std::chrono::seconds(1));
}

void MoveMouseTo(wxWindow* window, wxPoint p)
{
    wxUIActionSimulator simulator;
    simulator.MouseMove(window->ClientToScreen(p));
    Pump(std::chrono::milliseconds(60));
}

void ClickAt(wxWindow* window, wxPoint p)
{
    MoveMouseTo(window, p);
    wxUIActionSimulator simulator;
    simulator.MouseClick();
    Pump(std::chrono::milliseconds(60));
}

void ClickCentre(wxWindow* window)
{
    const wxSize size = window->GetClientSize();
    ClickAt(window, wxPoint(size.x / 2, size.y / 2));
}

wxImage GrabWindow(wxWindow* window)
{
    window->Update();
    Pump(std::chrono::milliseconds(50));
    const wxRect rect = window->IsTopLevel() ? window->GetScreenRect()
                                             : wxRect(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize());
    return GrabScreen(rect);
}

wxColour PixelAt(const wxImage& image, int x, int y)
{
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

void SaveScreenshot(wxWindow* window, const std::string& name)
{
    const wxString folder = LEANLOG_SCREENSHOT_DIR;
    wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    const wxImage image = GrabWindow(window);
    EXPECT_TRUE(image.SaveFile(folder + "/" + ToWx(name) + ".png", wxBITMAP_TYPE_PNG)) << name;
}

bool WaitForPage(const CHtmlBrowser& browser)
{
    const auto ready = [&] { return browser.View() && browser.LoadCount() > 0 && !browser.IsWritePending(); };
    if (!WaitUntil(ready))
        return false;
    // A load that was dropped for a newer write may still be followed by that write's own.
    Pump(std::chrono::milliseconds(50));
    return WaitUntil(ready);
}

namespace {

std::string RunScript(wxWebView* view, const std::string& script)
{
    wxString result;
    EXPECT_TRUE(view->RunScript(ToWx(script), &result)) << script;
    return ToUtf8(result);
}

} // namespace

std::string PageText(wxWebView* view)
{
    return RunScript(view, "document.body ? document.body.textContent : ''");
}

std::string ParsedBodyHtml(wxWebView* view, const std::string& html)
{
    std::string encoded;
    for (const unsigned char c : html)
        encoded += wxString::Format("%%%02X", c).utf8_string();
    return RunScript(view, "new DOMParser().parseFromString(decodeURIComponent('" + encoded +
                               "'), 'text/html').body.innerHTML");
}

std::string ShownBodyHtml(wxWebView* view)
{
    return RunScript(view, "document.body ? document.body.innerHTML : ''");
}

void CDesktopTest::StartAgain()
{
    bool started = false;
    wxTEST_DIALOG(started = App().StartUp(m_dir.Folder()),
                  CExpectDialog<CHtmlDialog>([](CHtmlDialog*) { return wxID_OK; }));
    ASSERT_TRUE(started);
    ASSERT_NE(Frame(), nullptr);
    ASSERT_TRUE(WaitUntil([this] { return Frame()->IsShownOnScreen(); }));
    Pump(std::chrono::milliseconds(100));
}

void CDesktopTest::StartFirstRun(const CNewDietAnswers& answers)
{
    StartFirstDiet(m_dir, answers);
    StartAgain();
}

CNewDietAnswers AnswersDaysAgo(int daysAgo, int goal)
{
    return {CDateTime::Now().DateOnly().AddDays(-daysAgo), goal};
}

void CDesktopTest::TearDown()
{
    if (wxWeakRef<CMainFrame> frame = Frame()) {
        frame->ProcessCommand(kIdAppExit);
        EXPECT_TRUE(WaitUntil([&frame] { return !frame; })) << "the frame did not close";
    }
    for (wxWindow* window : wxTopLevelWindows)
        window->Destroy();
    WaitUntil([] { return wxTopLevelWindows.empty(); }, std::chrono::seconds(5));
    App().ExitInstance();
    WaitForWebProcesses(5000);
}

void CDesktopTest::WaitForTabPage(int tab)
{
    if (auto* page = dynamic_cast<CBrowserPage*>(View().Page(tab))) {
        ASSERT_TRUE(WaitForPage(page->Browser())) << "tab " << tab;
    }
    Pump(std::chrono::milliseconds(100));
}

void CDesktopTest::SelectTabByClick(int tab)
{
    CColorTabCtrl& tabs = View().TabCtrl();
    const wxRect rect = tabs.GetItemRect(tab);
    ClickAt(&tabs, wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
    ASSERT_TRUE(WaitUntil([&] { return tabs.GetCurSel() == tab; })) << "tab " << tab;
    WaitForTabPage(tab);
}

void MakeWeighedDiet(const CTempDataDir& dir, int daysAgo, const std::vector<int>& weights, int goal)
{
    auto app = StartFirstDiet(dir, {CDateTime::Now().DateOnly().AddDays(-daysAgo), goal});
    const CDateTime start = app->m_days.front()->date;
    for (size_t i = 0; i < weights.size(); ++i) {
        if (i > 0)
            app->m_days.push_back(std::make_unique<CDailyInfo>(start.AddDays(static_cast<int>(i)), 0, 4000));
        app->m_days.back()->weight = weights[i];
        app->SaveDailyInfo(*app->m_days.back());
    }
}
