#pragma once

#include <wx/app.h>

#include <functional>
#include <utility>

// What the benchmark programs that need a display share.

/// Runs the loop until nothing is pending.
inline void Settle()
{
    for (int i = 0; i < 3; ++i)
        wxTheApp->Yield(true);
}

/// Runs `run` once the application's loop is up, then ends the loop; returns the program's exit status.
inline int RunInWindowApp(int argc, char** argv, std::function<void()> run)
{
    class CBenchApp : public wxApp
    {
    public:
        explicit CBenchApp(std::function<void()> run) : m_run(std::move(run)) {}
        bool OnInit() override
        {
            CallAfter([this] {
                m_run();
                ExitMainLoop();
            });
            return true;
        }

    private:
        std::function<void()> m_run;
    };
    wxApp::SetInstance(new CBenchApp(std::move(run)));
    return wxEntry(argc, argv);
}
