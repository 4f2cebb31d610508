#include "net/IpAddress.h"

#include <arpa/inet.h>

#include <string>

bool IsIpAddress(std::string_view host)
{
    const std::string text(host);   // inet_pton reads up to a NUL
    unsigned char address[16];
    return inet_pton(AF_INET, text.c_str(), address) == 1 || inet_pton(AF_INET6, text.c_str(), address) == 1;
}
