#pragma once

#include <string>
#include <vector>

class CTempDataDir;

struct SProcessResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// Runs `argv` to completion with `env` ("NAME=value") set on top of this
/// process's environment, capturing both output streams.
SProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env = {});

/// leanlog-cli on the data folder `dir`.
SProcessResult Cli(const CTempDataDir& dir, std::vector<std::string> args, const std::vector<std::string>& env = {});
/// leanlog-cli on `dir` with its clock starting at `now` ("YYYY-MM-DD hh:mm:ss", local time).
SProcessResult CliAt(const std::string& now, const CTempDataDir& dir, std::vector<std::string> args);
