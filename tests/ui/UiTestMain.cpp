// The window tests run inside the real application object, on its main
// loop: each test is started from the loop, drives windows with simulated
// input and lets the loop run while it waits.
#include "ui/app/DesktopApp.h"
#include "harness/WindowTest.h"

#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/image.h>
#include <wx/log.h>

namespace {

/// wx's error and warning messages fail the test; the GUI log target would
/// show them in a dialog nobody answers.
class CTestLog : public wxLog
{
protected:
    void DoLogTextAtLevel(wxLogLevel level, const wxString& text) override
    {
        if (level <= wxLOG_Warning)
            ADD_FAILURE() << "wx logged: " << text.utf8_str();
    }
};

class CTestApp : public CDesktopApp
{
public:
    bool OnInit() override
    {
        // A failed wx check is a test failure, never a dialog nobody answers.
        wxSetAssertHandler([](const wxString& file, int line, const wxString& func, const wxString& cond,
                              const wxString& msg) {
            ADD_FAILURE_AT(file.utf8_str(), line) << "wx assertion in " << func.utf8_str() << ": "
                                                  << cond.utf8_str() << " " << msg.utf8_str();
        });
        delete wxLog::SetActiveTarget(new CTestLog);
        wxInitAllImageHandlers();
        SetExitOnFrameDelete(false);
        CallAfter([this] {
            m_nResult = RUN_ALL_TESTS();
            ExitMainLoop();
        });
        return true;
    }

    int OnRun() override
    {
        CDesktopApp::OnRun();
        return m_nResult;
    }

private:
    int m_nResult = 1;
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(CTestApp);

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    return wxEntry(argc, argv);
}
