#include "ui/app/DesktopApp.h"

#include "app/AboutText.h"
#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "ui/app/ErrorBox.h"
#include "app/ExplanationPages.h"
#include "ui/dialogs/HtmlDialog.h"
#include "app/LeanlogApp.h"
#include "ui/frame/MainFrame.h"
#include "ui/app/WebProcesses.h"
#include "ui/app/WindowStartupPrompts.h"
#include "ui/controls/ColorTabCtrl.h"
#include "ui/controls/WxText.h"
#include "update/StartupFoodUpdate.h"

#include <wx/cmdline.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

constexpr int kWebProcessExitTimeoutMs = 3000;

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
        UpdateFoodTableAtStart(*m_pModel, CDateTime::Now());
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
    // The benchmark times this line on its own clock.
    std::puts("frame shown after its first paint");
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
    m_pFrame->View().SelectTab(kTabMain);
}
