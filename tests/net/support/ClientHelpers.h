#pragma once

#include "net/HttpClient.h"

#include <chrono>
#include <string>

/// Options for tests: no trace, and timeouts long enough never to fire
/// unless a test means them to.
inline SHttpClientOptions TestOptions(std::chrono::milliseconds firstByte = std::chrono::milliseconds(3000),
                                      std::chrono::milliseconds betweenBlocks = std::chrono::milliseconds(3000))
{
    SHttpClientOptions options;
    options.firstByteTimeout = firstByte;
    options.betweenBlocksTimeout = betweenBlocks;
    options.trace = {};
    return options;
}

/// Open "GET", the two headers every caller adds, Send: the exchange every caller makes.
inline int Fetch(HttpClient& client, const std::string& url)
{
    if (client.Open("GET", url) != 0)
        return 99;
    client.AddRequestHeader("User-Agent", kHttpUserAgent);
    client.AddRequestHeader("Accept", "*/*");
    return client.Send();
}

/// The request Fetch sends for `resource` (encoded), with `extra` header lines before the blank line.
inline std::string FetchRequest(const std::string& resource, const std::string& extra = "",
                                const std::string& host = "127.0.0.1")
{
    return "GET /" + resource + " HTTP/1.1\r\nHost: " + host +
           "\r\nConnection: Close\r\nContent-Length: 0\r\n"
           "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows 98) Postwatch/0.3)\r\nAccept: */*\r\n" +
           extra + "\r\n";
}

inline std::string Body(const HttpClient& client)
{
    return client.GetBodyLength() ? std::string(client.GetBody(), client.GetBodyLength()) : std::string();
}
