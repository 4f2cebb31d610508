#pragma once

#include <string>

/// The explanation of how the programme works, shown by Help > How Leanlog
/// Works (command 32777).
std::string HowItWorksHtml();

/// The pages about losing weight, shown by Help > About Losing Weight.
std::string AboutLosingWeightHtml();
