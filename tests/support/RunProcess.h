#pragma once

#include <string>
#include <vector>

struct SProcessResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// Runs `argv` to completion with `extraEnv` ("NAME=value") added to the
/// environment, capturing both output streams.
SProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv = {});
