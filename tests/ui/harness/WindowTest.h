#pragma once

#include <gtest/gtest.h>
#include <wx/colour.h>
#include <wx/msgdlg.h>

// Modal dialogs that a test does not expect fail the test instead of
// waiting for an answer that never comes.
#define wxTEST_DIALOG_HOOK_CLASS CGtestModalHook
#include <wx/testing.h>

// The window headers most tests use.
#include "app/LeanlogApp.h"
#include "diet/NextDay.h"
#include "support/TestDiet.h"
#include "ui/app/DesktopApp.h"
#include "ui/controls/ColorTabCtrl.h"
#include "ui/controls/WxText.h"
#include "ui/dialogs/HtmlDialog.h"
#include "ui/dialogs/NewDietDlg.h"
#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/MainFrame.h"
#include "ui/pages/BrowserPage.h"
#include "ui/pages/MainPage.h"

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/webview.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class CGtestModalHook : public wxTestingModalHook
{
public:
    using wxTestingModalHook::wxTestingModalHook;

protected:
    void ReportFailure(const wxString& message) override { ADD_FAILURE() << message.utf8_str(); }
};

/// Answers a modal dialog of type T by running `answer` on it (the dialog
/// is not shown unless `answer` shows it); `answer` returns the code
/// ShowModal gives back.
template <class T>
class CExpectDialog : public wxExpectModalBase<T, CExpectDialog<T>>
{
public:
    explicit CExpectDialog(std::function<int(T*)> answer) : m_answer(std::move(answer)) {}

protected:
    int OnInvoked(T* dialog) const override { return m_answer(dialog); }

private:
    std::function<int(T*)> m_answer;
};

/// Answers a message box with `answer` after checking its text contains `expected`.
CExpectDialog<wxMessageDialog> ExpectMessage(const std::string& expected, int answer = wxID_OK);

/// Lets the event loop run until `done` holds; false after `timeout`.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(20));
/// Lets the event loop run for `time`.
void Pump(std::chrono::milliseconds time);

/// Moves the real (X server's) pointer to `p` in `window`'s client pixels.
void MoveMouseTo(wxWindow* window, wxPoint p);
/// A real left click at `p` in `window`'s client pixels.
void ClickAt(wxWindow* window, wxPoint p);
/// A real left click in the middle of `window`.
void ClickCentre(wxWindow* window);

/// The screen's pixels under `window` (frame included for top-level windows).
wxImage GrabWindow(wxWindow* window);
wxColour PixelAt(const wxImage& image, int x, int y);
/// Saves a PNG of what the screen shows of `window` as
/// <build folder>/screenshots/<name>.png.
void SaveScreenshot(wxWindow* window, const std::string& name);

/// Waits until the browser has shown its latest text.
bool WaitForPage(const CHtmlBrowser& browser);
/// The document's text as the web view renders it (textContent of its body).
std::string PageText(wxWebView* view);
/// The body's inner HTML after WebKit parsed `html`, read in `view`.
std::string ParsedBodyHtml(wxWebView* view, const std::string& html);
/// The body's inner HTML of the document the view shows.
std::string ShownBodyHtml(wxWebView* view);

/// Each test gets a fresh data folder and the running application object;
/// whatever frame a test opened is closed as File > Exit does when it ends,
/// and the program's web processes have ended before the next test starts.
class CDesktopTest : public testing::Test
{
protected:
    void TearDown() override;

    CDesktopApp& App() const { return *static_cast<CDesktopApp*>(wxApp::GetInstance()); }
    CMainFrame* Frame() const { return App().MainFrame(); }
    CChildView& View() const { return Frame()->View(); }
    CLeanlogApp& Model() const { return *App().Model(); }

    /// A later run on the folder: only the About box. Asserts the frame is up.
    void StartAgain();
    /// A diet made with `answers`, then the program started on it.
    void StartFirstRun(const CNewDietAnswers& answers);

    /// Selects `tab` by a real click on it and waits for its page.
    void SelectTabByClick(int tab);
    /// Waits until tab `tab`'s page shows its latest text (browser pages)
    /// or has painted.
    void WaitForTabPage(int tab);

    CTempDataDir m_dir;
};

/// New Diet answers for a diet that started `daysAgo` days ago.
CNewDietAnswers AnswersDaysAgo(int daysAgo, int goal);

/// Makes a diet in `dir` that started `daysAgo` days ago, one day per
/// weight (whole pounds, day 0 first), and closes it again.
void MakeWeighedDiet(const CTempDataDir& dir, int daysAgo, const std::vector<int>& weights, int goal = 150);

/// The frame started again on a diet of ten weighed days, the last three
/// days ago; days 3 and 4 weigh the same.
class CFrameTest : public CDesktopTest
{
protected:
    void SetUp() override
    {
        MakeWeighedDiet(m_dir, 12, {230, 228, 227, 225, 225, 224, 226, 222, 221, 220}, 200);
        ASSERT_NO_FATAL_FAILURE(StartAgain());
    }
};

/// Colours in failure messages as #RRGGBB.
inline void PrintTo(const wxColour& colour, std::ostream* os)
{
    *os << colour.GetAsString(wxC2S_HTML_SYNTAX).utf8_str();
}
