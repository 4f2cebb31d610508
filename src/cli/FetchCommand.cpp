#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "net/HttpClient.h"

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

    const CSettings settings(context.folder.SettingsFile());
    HttpClient client(HttpClientOptionsFrom(settings));
    if (client.Open("GET", url) != 0)
        throw CUsageError("not an absolute URL: " + url);
    if (user)
        client.SetCredentials(*user, password.value_or(""));
    client.AddRequestHeader("User-Agent", kHttpUserAgent);
    client.AddRequestHeader("Accept", "*/*");
    const int result = client.Send();

    if (options.Has("head"))
        context.out << client.GetStatusLine() << '\n' << client.GetHeaderText();
    else if (client.GetBodyLength() > 0)
        context.out.write(client.GetBody(), static_cast<std::streamsize>(client.GetBodyLength()));
    return ExitStatusOf(result);
}
