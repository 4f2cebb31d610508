#pragma once

#include "app/DataFolder.h"
#include "app/DataFolderLock.h"
#include "app/InstanceChannel.h"

#include <wx/app.h>
#include <wx/weakref.h>

#include <memory>
#include <optional>
#include <string>

class CCheckForConnection;
class CLeanlogApp;
class CStartupPrompts;
class CMainFrame;

/// The desktop program's application object. Runs start-up with window
/// prompts (the About box before the main window exists, the New Diet
/// dialog when the diet has no days), owns the model for the program's
/// life, creates the main frame and handles the application's menu
/// commands: About, the two explanation pages, Restart Diet and Exit.
/// UI thread only.
class CDesktopApp : public wxApp
{
public:
    CDesktopApp();
    ~CDesktopApp() override;

    bool OnInit() override;
    int OnExit() override;
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;
    /// The last resort for an exception that escaped a handler: tell the
    /// user and keep running.
    bool OnExceptionInMainLoop() override;

    /// Start-up from the data steps to the shown main window. False when
    /// the program is to end: the user cancelled the first New Diet dialog
    /// (nothing is created), or the data cannot be used (the user has been
    /// shown why).
    bool StartUp(const CDataFolder& folder);
    /// Ends the connection checks, frees the model, starts the updater when
    /// a downloaded program update waits, and lets go of the data folder;
    /// the frame must be gone.
    void ExitInstance();
    /// A connection-check pass on a thread of its own.
    void StartConnectionCheck();
    /// Waits for every connection-check pass started so far.
    void WaitForConnectionChecks();
    /// File > Check for Online Update: asked first, then a connection check.
    void CheckForOnlineUpdate();
    /// Where leanlog-updater is started from: the running program's folder,
    /// or the folder kUpdaterDirVariable names.
    static std::string UpdaterFolder();
    /// Brings the frame to the front: a second program was started on our folder.
    void RaiseFrame();
    /// How often another program asked this one to come to the front.
    int RaiseRequests() const { return m_nRaiseRequests; }

    CLeanlogApp* Model() const { return m_pModel.get(); }
    CMainFrame* MainFrame() const { return m_pFrame.get(); }

    void ShowAbout();
    void ShowHowItWorks();
    void ShowAboutLosingWeight();
    /// File > Restart Diet: the New Diet dialog, the new diet, then tab 0.
    void StartDietOver();
    /// File > Restore Data: the chosen backup replaces the data (the current
    /// data kept first), then the model and the frame are made anew.
    void RestoreDataFromBackup();
    /// The restore itself, once the user chose `source`.
    void RestoreDataFrom(const std::string& source);

    /// The environment variable that makes the program a start-up
    /// benchmark: the About box closes at once, a line "frame shown ..." is
    /// printed at the frame's first paint and the program exits. The
    /// benchmark times that line from the moment it started the program.
    static constexpr const char* kStartupBenchmarkVariable = "LEANLOG_STARTUP_BENCHMARK";
    /// The environment variable naming another folder to start leanlog-updater from (tests).
    static constexpr const char* kUpdaterDirVariable = "LEANLOG_UPDATER_DIR";

private:
    /// Takes the data folder's lock; when another program holds it, asks
    /// that one to come to the front (or says it runs) and returns false.
    bool HoldFolder(const CDataFolder& folder);
    void BindCommands();
    /// A new model and frame on the folder, without the start-up questions.
    void Reload(const CDataFolder& folder);
    /// Makes and loads the model; false (and no model) when the New Diet question was cancelled.
    bool LoadModel(const CDataFolder& folder, CStartupPrompts& prompts);
    /// Makes the main frame over the model and shows it.
    void ShowMainFrame();
    void ReportFirstPaint();
    /// Frees the model; its connection checks end first.
    void FreeModel();

    /// Held from start-up to exit: one writer per data folder.
    std::optional<CDataFolderLock> m_folderLock;
    std::unique_ptr<CInstanceChannel> m_pInstanceChannel;
    std::unique_ptr<CLeanlogApp> m_pModel;
    /// Works on the model's catalogue and updates: ends before the model.
    std::unique_ptr<CCheckForConnection> m_pConnectionCheck;
    wxWeakRef<CMainFrame> m_pFrame;
    std::optional<std::string> m_dataDir;   ///< --data-dir
    bool m_bStartupBenchmark = false;
    int m_nRaiseRequests = 0;
};
