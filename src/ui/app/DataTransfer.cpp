#include "ui/app/DataTransfer.h"

#include "app/DataBackup.h"
#include "app/DayExport.h"
#include "base/FileText.h"
#include "app/LeanlogApp.h"
#include "app/WeightImport.h"
#include "ui/app/ErrorBox.h"
#include "ui/controls/WxText.h"

#include <wx/filedlg.h>
#include <wx/msgdlg.h>


namespace {

std::optional<std::string> AskPath(wxWindow* parent, const char* title, const std::string& name, const char* wildcard,
                                   long style)
{
    wxFileDialog dialog(parent, title, wxString(), ToWx(name), wildcard, style);
    if (dialog.ShowModal() != wxID_OK || dialog.GetPath().empty())
        return std::nullopt;
    return ToUtf8(dialog.GetPath());
}

constexpr const char* kCsvFiles = "CSV files (*.csv)|*.csv|All files|*";
constexpr const char* kBackupFiles = "Leanlog backups (*.leanlog)|*.leanlog|All files|*";

void Tell(wxWindow* parent, const std::string& message)
{
    wxMessageBox(ToWx(message), "Leanlog", wxOK | wxICON_INFORMATION, parent);
}

} // namespace

void ExportDaysTo(wxWindow* parent, CLeanlogApp& model)
{
    const int scope = wxMessageBox("Export the days of your earlier diets too?", "Export Days",
                                   wxYES_NO | wxCANCEL | wxICON_QUESTION, parent);
    if (scope == wxCANCEL)
        return;
    const auto path = AskPath(parent, "Export Days", "leanlog-days.csv", kCsvFiles, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (!path)
        return;
    try {
        WriteFileAtomically(*path, ExportDaysCsv(model, scope == wxYES));
    } catch (const std::exception& e) {
        ShowError(parent, e.what());
    }
}

bool ImportWeightsFrom(wxWindow* parent, CLeanlogApp& model)
{
    const auto path = AskPath(parent, "Import Weights", "", kCsvFiles, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (!path)
        return false;
    std::string error;
    const auto plan = PlanWeightImportFile(model, *path, CDateTime::Now(), error);
    if (!plan) {
        ShowError(parent, "Nothing was imported from " + *path + ":\n\n" + error);
        return false;
    }
    const std::string question = DayCountText(plan->changed) + " will be changed and " + DayCountText(plan->added) +
                                 " added. Import the weights?";
    if (wxMessageBox(ToWx(question), "Import Weights", wxYES_NO | wxICON_QUESTION, parent) != wxYES)
        return false;
    try {
        ApplyWeightImport(model, *plan);
    } catch (const std::exception& e) {
        ShowError(parent, std::string(e.what()) + "\n\nNothing was imported.");
        return false;
    }
    return true;
}

void BackUpDataTo(wxWindow* parent, CLeanlogApp& model)
{
    const std::string name = "leanlog-" + CDateTime::Now().Format("%Y-%m-%d") + ".leanlog";
    const auto path = AskPath(parent, "Back Up Data", name, kBackupFiles, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (!path)
        return;
    try {
        BackUpData(model, *path);
        Tell(parent, "Your data is backed up in " + *path + ".");
    } catch (const std::exception& e) {
        ShowError(parent, e.what());
    }
}

std::optional<std::string> AskRestoreSource(wxWindow* parent)
{
    const auto path = AskPath(parent, "Restore Data", "", kBackupFiles, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (!path)
        return std::nullopt;
    const int answer = wxMessageBox("Replace your current data with this backup? Your current data is kept in the "
                                    "Backups folder of your data folder first.",
                                    "Restore Data", wxYES_NO | wxICON_QUESTION, parent);
    return answer == wxYES ? path : std::nullopt;
}
