#pragma once

#include "net/Md5AndBase64.h"

#include <string>
#include <string_view>

/// "Basic " and the Base64 text of user name, ":" and password.
std::string BasicCredentials(std::string_view userName, std::string_view password);

/// The credential answering one WWW-Authenticate or Proxy-Authenticate
/// challenge: Basic or Digest by the challenge's scheme (any case), empty
/// for any other scheme. `uri` is "/" and the URL's path.
std::string ChallengeAnswer(std::string_view challenge, const std::string& userName, const std::string& password,
                            std::string_view method, const std::string& uri, const RandomSource& random);
