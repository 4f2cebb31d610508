#pragma once

#include <string>

/// The About box's HTML: the version line, the sponsor block and the small
/// print about the sponsor's offers.
std::string AboutHtml();

inline constexpr const char* kAboutVersionLine = "<font face=arial><center>Leanlog Version 1.1.1.5 Palm+Windows<br>";
