#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"
#include "reports/StatusAdvisor.h"

#include <ostream>

namespace {

/// Answers the ketosis question from --ketosis; no option means No.
class CCliKetosisAnswer : public CKetosisQuestion
{
public:
    explicit CCliKetosisAnswer(bool inKetosis) : m_inKetosis(inKetosis) {}
    bool AskInKetosis() override { return m_inKetosis; }

private:
    bool m_inKetosis;
};

bool InKetosis(const CCliOptions& options)
{
    const auto value = options.Value("ketosis");
    if (!value || *value == "no")
        return false;
    if (*value == "yes")
        return true;
    throw CUsageError("--ketosis takes yes or no, not \"" + *value + "\"");
}

} // namespace

int RunStatus(CCliContext& context)
{
    const CCliOptions options(context.args, {"ketosis"});
    if (!options.Positional().empty())
        throw CUsageError("status takes no arguments besides --ketosis");
    CCliKetosisAnswer answer(InKetosis(options));
    const auto app = LoadExistingDiet(context.folder);
    context.out << StatusPageText(*app, answer) << '\n';
    return kExitOk;
}
