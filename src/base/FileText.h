#pragma once

#include <optional>
#include <string>

/// The whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

/// Writes `text` to `path` through a temporary beside it and a rename, so
/// a failed write never leaves half a file there. Throws std::runtime_error.
void WriteFileAtomically(const std::string& path, const std::string& text);
