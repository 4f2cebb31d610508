#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "net/HttpClient.h"
#include "net/HttpUrl.h"

#include <ostream>

namespace {

/// Exit statuses for the client's results 0, -1 and -2.
int ExitStatusOf(int result)
{
    switch (result) {
    case kHttpOk:
        return 0;
    case kHttpFailed:
        return 3;
    default:
        return 4;
    }
}

} // namespace

int RunFetch(CCliContext& context)
{
    const CCliOptions options(context.args, {"user", "password"}, {"head"});
    if (options.Positional().size() != 1)
        throw CUsageError("fetch takes one URL");
    const std::string& url = options.Positional().front();
    const auto user = options.Value("user");
    const auto password = options.Value("password");
    if (password && !user)
        throw CUsageError("option --password needs --user");

    HttpUrl parsed;
    if (parsed.Parse(url) != 0)
        throw CUsageError("not an absolute URL: " + url);
    if (const auto reason = parsed.UnusableReason())
        throw CUsageError("cannot fetch " + url + ": " + *reason);

    // A named data folder that is missing is a mistake; the default one need not exist.
    if (context.folder.portable)
        context.folder.RequireExisting();
    const CSettings settings(context.folder.SettingsFile());
    HttpClient client(HttpClientOptionsFrom(settings));
    client.Open("GET", url);
    if (user)
        client.SetCredentials(*user, password.value_or(""));
    client.AddRequestHeader("User-Agent", kHttpUserAgent);
    client.AddRequestHeader("Accept", "*/*");
    const int result = client.Send();

    if (options.Has("head"))
        context.out << client.GetStatusLine() << '\n' << client.GetHeaderText();
    else if (client.GetBodyLength() > 0)
        context.out.write(client.GetBody(), static_cast<std::streamsize>(client.GetBodyLength()));
    if (result != kHttpOk)
        context.err << "leanlog-cli: fetch " << client.GetUrlText() << ": " << client.GetFailureText() << '\n';
    return ExitStatusOf(result);
}
