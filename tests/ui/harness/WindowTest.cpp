#include "harness/WindowTest.h"

#include <wx/evtloop.h>

#include "harness/ScreenGrab.h"

#include "ui/pages/BrowserPage.h"
#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "ui/app/DesktopApp.h"
#include "ui/dialogs/HtmlDialog.h"
#include "app/LeanlogApp.h"
#include "ui/frame/MainFrame.h"
#include "ui/app/WebProcesses.h"
#include "ui/controls/ColorTabCtrl.h"
#include "ui/controls/WxDate.h"
#include "ui/controls/WxText.h"
#include "ui/dialogs/NewDietDlg.h"
#include "support/TestDiet.h"

#include <wx/datectrl.h>
#include <wx/filename.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/webview.h>

#include <thread>

std::string CExpectMessage::s_lastMessage;

int CExpectMessage::OnInvoked(wxMessageDialog* box) const
{
    s_lastMessage = ToUtf8(box->GetMessage());
    EXPECT_NE(s_lastMessage.find(m_expected), std::string::npos)
        << "message box says \"" << s_lastMessage << "\", expected it to contain \"" << m_expected << "\"";
    return m_answer;
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

std::string JsString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out + "\"";
}

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
    return RunScript(view, "new DOMParser().parseFromString(" + JsString(html) + ", 'text/html').body.innerHTML");
}

std::string ShownBodyHtml(wxWebView* view)
{
    return RunScript(view, "document.body ? document.body.innerHTML : ''");
}

CDesktopApp& CDesktopTest::App() const
{
    return *static_cast<CDesktopApp*>(wxApp::GetInstance());
}

CMainFrame* CDesktopTest::Frame() const
{
    return App().MainFrame();
}

CChildView& CDesktopTest::View() const
{
    return Frame()->View();
}

CLeanlogApp& CDesktopTest::Model() const
{
    return *App().Model();
}

void CDesktopTest::StartFirstRun(const CNewDietAnswers& answers)
{
    bool started = false;
    wxTEST_DIALOG(started = App().StartUp(m_dir.Folder()),
                  CExpectDialog<CHtmlDialog>([](CHtmlDialog*) { return wxID_OK; }),
                  CExpectDialog<CNewDietDlg>([answers](CNewDietDlg* dialog) {
                      dialog->DatePicker()->SetValue(ToWxDate(answers.startDate));
                      dialog->GoalField()->ChangeValue(wxString::Format("%d", answers.goalWeight));
                      return dialog->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
                  }));
    ASSERT_TRUE(started);
    ASSERT_NE(Frame(), nullptr);
    ASSERT_TRUE(WaitUntil([this] { return Frame()->IsShownOnScreen(); }));
    Pump(std::chrono::milliseconds(100));
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

void CDesktopTest::CloseFrame()
{
    wxWeakRef<CMainFrame> frame = Frame();
    if (!frame)
        return;
    frame->ProcessCommand(kIdAppExit);
    EXPECT_TRUE(WaitUntil([&frame] { return !frame; })) << "the frame did not close";
}

void CDesktopTest::TearDown()
{
    CloseFrame();
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

CNewDietAnswers AnswersDaysAgo(int daysAgo, int goal)
{
    return {CDateTime::Now().DateOnly().AddDays(-daysAgo), goal};
}

void MakeWeighedDiet(const CTempDataDir& dir, int daysAgo, const std::vector<int>& weights, int goal)
{
    auto app = StartFirstDiet(dir, AnswersDaysAgo(daysAgo, goal));
    CDailyInfo& first = *app->m_days.front();
    const CDateTime start = first.date;
    for (size_t i = 0; i < weights.size(); ++i) {
        if (i == 0) {
            first.weight = weights[0];
            app->SaveDailyInfo(first);
            continue;
        }
        app->m_days.push_back(std::make_unique<CDailyInfo>(start.AddDays(static_cast<int>(i)), weights[i], 4000));
        app->SaveDailyInfo(*app->m_days.back());
    }
}
