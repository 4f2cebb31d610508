#include "ui/app/DesktopApp.h"

#include "app/AboutText.h"
#include "app/DataBackup.h"
#include "app/ExplanationPages.h"
#include "app/LeanlogApp.h"
#include "banners/BannerCatalogue.h"
#include "ui/app/DataTransfer.h"
#include "ui/app/ErrorBox.h"
#include "ui/app/WebProcesses.h"
#include "ui/app/WindowStartupPrompts.h"
#include "ui/controls/ColorTabCtrl.h"
#include "ui/controls/WxText.h"
#include "ui/dialogs/HtmlDialog.h"
#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/MainFrame.h"
#include "update/ConnectionCheck.h"
#include "update/ProgramUpdates.h"
#include "update/StartupFoodUpdate.h"

#include <wx/cmdline.h>
#include <wx/msgdlg.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>

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
    std::optional<CDataFolder> folder;
    try {
        folder = CDataFolder::Resolve(m_dataDir);
    } catch (const std::exception& e) {
        ShowError(nullptr, std::string("Leanlog cannot start.\n\n") + e.what());
        return false;
    }
    return StartUp(*folder);
}

bool CDesktopApp::StartUp(const CDataFolder& folder)
{
    try {
        folder.EnsureExists();
        if (!HoldFolder(folder))
            return false;
        CWindowStartupPrompts prompts(nullptr, m_bStartupBenchmark);
        if (!LoadModel(folder, prompts))
            return false;
        UpdateFoodTableAtStart(*m_pModel, CDateTime::Now());
        if (m_pModel->m_bOnline)
            StartConnectionCheck();
    } catch (const std::exception& e) {
        FreeModel();
        ShowError(nullptr, std::string("Leanlog cannot start.\n\n") + e.what());
        return false;
    }
    ShowMainFrame();
    return true;
}

bool CDesktopApp::LoadModel(const CDataFolder& folder, CStartupPrompts& prompts)
{
    m_pModel = std::make_unique<CLeanlogApp>(folder);
    if (m_pModel->InitData(prompts) == CLeanlogApp::EStartup::Cancelled) {
        m_pModel.reset();
        return false;
    }
    m_pModel->LoadBannerSettings();
    return true;
}

void CDesktopApp::ShowMainFrame()
{
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
}

bool CDesktopApp::HoldFolder(const CDataFolder& folder)
{
    // A start-up again in this process (after its frame closed) lets go first.
    FreeModel();
    m_pInstanceChannel.reset();
    m_folderLock.reset();
    m_folderLock = CDataFolderLock::TryAcquire(folder);
    if (!m_folderLock) {
        if (!CInstanceChannel::AskToRaise(folder))
            ShowError(nullptr, "Leanlog is already running on the data folder " + folder.path + ".");
        return false;
    }
    m_pInstanceChannel = std::make_unique<CInstanceChannel>(folder, [this] { CallAfter(&CDesktopApp::RaiseFrame); });
    return true;
}

void CDesktopApp::RaiseFrame()
{
    ++m_nRaiseRequests;
    if (!m_pFrame)
        return;
    m_pFrame->Iconize(false);
    m_pFrame->Show();
    m_pFrame->Raise();
}

void CDesktopApp::ReportFirstPaint()
{
    // The benchmark times this line on its own clock.
    std::puts("frame shown after its first paint");
    std::fflush(stdout);
    if (m_pFrame)
        m_pFrame->ProcessCommand(kIdAppExit);
}

void CDesktopApp::FreeModel()
{
    m_pConnectionCheck.reset();
    m_pModel.reset();
}

void CDesktopApp::ExitInstance()
{
    m_pConnectionCheck.reset();
    if (m_pModel) {
        m_pModel->ExitInstance();
        const SUpdaterStart updater = m_pModel->Updates().ExitStep();
        if (updater.start)
            StartUpdater(UpdaterFolder(), updater.autorun, updater.dataDir);
    }
    FreeModel();
    m_pInstanceChannel.reset();
    m_folderLock.reset();
}

std::string CDesktopApp::UpdaterFolder()
{
    if (const char* folder = std::getenv(kUpdaterDirVariable); folder && *folder)
        return folder;
    return RunningProgramDir();
}

void CDesktopApp::StartConnectionCheck()
{
    if (!m_pModel)
        return;
    if (!m_pConnectionCheck)
        m_pConnectionCheck = std::make_unique<CCheckForConnection>(m_pModel->Updates(), *m_pModel->Banners());
    m_pConnectionCheck->Start();
}

void CDesktopApp::WaitForConnectionChecks()
{
    if (m_pConnectionCheck)
        m_pConnectionCheck->Wait();
}

void CDesktopApp::CheckForOnlineUpdate()
{
    if (!m_pModel)
        return;
    const int answer = wxMessageBox("Check online for update to Leanlog? Before you click the OK button, make sure "
                                    "you are connected to the Internet.",
                                    "UPDATE LEANLOG", wxOK | wxCANCEL, m_pFrame.get());
    if (answer == wxOK)
        StartConnectionCheck();
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
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { CheckForOnlineUpdate(); }, kIdCheckForUpdate);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) {
        if (m_pModel)
            ExportDaysTo(m_pFrame.get(), *m_pModel);
    }, kIdExportDays);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) {
        if (m_pModel && m_pFrame && ImportWeightsFrom(m_pFrame.get(), *m_pModel))
            m_pFrame->View().SelectTab(kTabMain);
    }, kIdImportWeights);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) {
        if (m_pModel)
            BackUpDataTo(m_pFrame.get(), *m_pModel);
    }, kIdBackUpData);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { RestoreDataFromBackup(); }, kIdRestoreData);
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

void CDesktopApp::RestoreDataFromBackup()
{
    if (!m_pModel || !m_pFrame)
        return;
    if (const auto source = AskRestoreSource(m_pFrame.get()))
        RestoreDataFrom(*source);
}

void CDesktopApp::RestoreDataFrom(const std::string& source)
{
    const CDataFolder folder = m_pModel->Folder();
    try {
        RestoreData(folder, source, [this] {
            KeepCurrentData(*m_pModel);
            // The frame shows the model: both go before the file is replaced.
            m_pFrame->Destroy();
            m_pConnectionCheck.reset();
            m_pModel->ExitInstance();
            m_pModel.reset();
        });
    } catch (const std::exception& e) {
        ShowError(m_pFrame.get(), e.what());
        if (m_pModel)
            return;
    }
    Reload(folder);
}

void CDesktopApp::Reload(const CDataFolder& folder)
{
    try {
        CWindowStartupPrompts prompts(nullptr, true);
        if (!LoadModel(folder, prompts))
            return;
    } catch (const std::exception& e) {
        FreeModel();
        ShowError(nullptr, std::string("Leanlog cannot load the restored data.\n\n") + e.what());
        return;
    }
    ShowMainFrame();
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
