#pragma once

#include <string>

/// Tab 6's fixed HTML about the sponsored-distribution programme.
std::string PellawareHtml();

/// Tab 7's fixed HTML about the sponsor.
std::string SponsorHtml();
