#include "app/DesktopApp.h"

#include "app/AboutText.h"
#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "app/ExplanationPages.h"
#include "app/HtmlDialog.h"
#include "app/LeanlogApp.h"
#include "app/MainFrame.h"
#include "app/WebProcesses.h"
#include "app/WindowStartupPrompts.h"
#include "app/WxText.h"
#include "controls/ColorTabCtrl.h"

#include <wx/cmdline.h>
#include <wx/msgdlg.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

constexpr int kWebProcessExitTimeoutMs = 3000;

void ShowError(wxWindow* parent, const std::string& message)
{
    wxMessageBox(ToWx(message), "Leanlog", wxOK | wxICON_ERROR, parent);
}

/// Milliseconds since this process started, from the kernel's record of
/// its start (10 ms steps); -1 when it cannot be read.
double MillisecondsSinceProcessStart()
{
    std::ifstream in("/proc/self/stat");
    std::string line;
    std::getline(in, line);
    const auto nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos)
        return -1;
    std::istringstream fields(line.substr(nameEnd + 2));
    std::vector<std::string> values{std::istream_iterator<std::string>(fields), {}};
    constexpr size_t kStartTimeField = 22 - 3;   // field 22, counted after pid and name
    timespec now{};
    if (values.size() <= kStartTimeField || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return -1;
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    const double started = std::stod(values[kStartTimeField]) / ticks;
    return (static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 - started) * 1000.0;
}

} // namespace

CDesktopApp::CDesktopApp()
{
    const char* benchmark = std::getenv(kStartupBenchmarkVariable);
    m_bStartupBenchmark = benchmark && *benchmark && std::string(benchmark) != "0";
    BindCommands();
}

CDesktopApp::~CDesktopApp() = default;

void CDesktopApp::OnInitCmdLine(wxCmdLineParser& parser)
{
    wxApp::OnInitCmdLine(parser);
    parser.AddLongOption("data-dir", "the folder of the database and settings (portable mode)",
                         wxCMD_LINE_VAL_STRING);
}

bool CDesktopApp::OnCmdLineParsed(wxCmdLineParser& parser)
{
    wxString dataDir;
    if (parser.Found("data-dir", &dataDir))
        m_dataDir = ToUtf8(dataDir);
    return wxApp::OnCmdLineParsed(parser);
}

bool CDesktopApp::OnInit()
{
    SetAppName("leanlog");
    SetAppDisplayName("Leanlog");
    if (!wxApp::OnInit())
        return false;
    return StartUp(CDataFolder::Resolve(m_dataDir));
}

bool CDesktopApp::StartUp(const CDataFolder& folder)
{
    try {
        folder.EnsureExists();
        m_pModel = std::make_unique<CLeanlogApp>(folder);
        CWindowStartupPrompts prompts(nullptr, m_bStartupBenchmark);
        if (m_pModel->InitData(prompts) == CLeanlogApp::EStartup::Cancelled) {
            m_pModel.reset();
            return false;
        }
        m_pModel->RecordStartDate(CDateTime::Now());
    } catch (const std::exception& e) {
        m_pModel.reset();
        ShowError(nullptr, std::string("Leanlog cannot start.\n\n") + e.what());
        return false;
    }

    auto* frame = new CMainFrame(*m_pModel);
    m_pFrame = frame;
    SetTopWindow(frame);
    if (m_bStartupBenchmark) {
        frame->View().TabCtrl().Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
            event.Skip();
            if (m_bStartupBenchmark) {
                m_bStartupBenchmark = false;
                CallAfter(&CDesktopApp::ReportFirstPaint);
            }
        });
    }
    frame->Show();
    return true;
}

void CDesktopApp::ReportFirstPaint()
{
    std::printf("frame shown after %.0f ms\n", MillisecondsSinceProcessStart());
    std::fflush(stdout);
    if (m_pFrame)
        m_pFrame->ProcessCommand(kIdAppExit);
}

void CDesktopApp::ExitInstance()
{
    if (m_pModel)
        m_pModel->ExitInstance();
    m_pModel.reset();
}

int CDesktopApp::OnExit()
{
    // The windows are gone; their web processes follow within a moment.
    WaitForWebProcesses(kWebProcessExitTimeoutMs);
    ExitInstance();
    return wxApp::OnExit();
}

bool CDesktopApp::OnExceptionInMainLoop()
{
    try {
        throw;
    } catch (const std::exception& e) {
        ShowError(m_pFrame.get(), e.what());
    } catch (...) {
        ShowError(m_pFrame.get(), "An unexpected error occurred.");
    }
    return true;
}

void CDesktopApp::BindCommands()
{
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowAbout(); }, kIdAppAbout);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowHowItWorks(); }, kIdHowItWorks);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowAboutLosingWeight(); }, kIdAboutLosingWeight);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { StartDietOver(); }, kIdRestartDiet);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) {
        if (m_pFrame)
            m_pFrame->Close();
    }, kIdAppExit);
    // Handled so that it is routed here, yet it does nothing and stays disabled.
    Bind(wxEVT_MENU, [](wxCommandEvent&) {}, kIdSyncWithPocketPc);
    Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, kIdSyncWithPocketPc);
    Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(true); }, kIdRestartDiet);
}

void CDesktopApp::ShowAbout()
{
    ShowHtmlDialog(m_pFrame.get(), AboutHtml());
}

void CDesktopApp::ShowHowItWorks()
{
    ShowHtmlDialog(m_pFrame.get(), HowItWorksHtml());
}

void CDesktopApp::ShowAboutLosingWeight()
{
    ShowHtmlDialog(m_pFrame.get(), AboutLosingWeightHtml());
}

void CDesktopApp::StartDietOver()
{
    if (!m_pModel || !m_pFrame)
        return;
    try {
        CWindowStartupPrompts prompts(m_pFrame.get());
        if (!m_pModel->StartDietOver(prompts))
            return;
    } catch (const std::exception& e) {
        ShowError(m_pFrame.get(), e.what());
        return;
    }
    CChildView& view = m_pFrame->View();
    if (view.TabCtrl().GetCurSel() == kTabMain)
        view.SelChanged();
    else
        view.ClickTab(kTabMain);
}
