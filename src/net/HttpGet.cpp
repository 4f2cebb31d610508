#include "net/HttpGet.h"

SHttpGetResult HttpGet(const std::string& url, const SHttpClientOptions& options)
{
    SHttpGetResult got;
    HttpClient client(options);
    if (client.Open("GET", url) != 0) {
        got.result = kHttpFailed;
        got.failure = "not a URL: " + url;
        return got;
    }
    client.AddRequestHeader("User-Agent", kHttpUserAgent);
    client.AddRequestHeader("Accept", "*/*");
    got.result = client.Send();
    got.status = client.GetStatusCode();
    got.body.assign(client.GetBody() ? client.GetBody() : "", client.GetBodyLength());
    got.failure = client.GetFailureText();
    return got;
}

std::string ServerPathUrl(std::string_view serverUrl, std::string_view path)
{
    while (!serverUrl.empty() && serverUrl.back() == '/')
        serverUrl.remove_suffix(1);
    return std::string(serverUrl) + std::string(path);
}
