#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// A command's options: "--name value" pairs, bare "--flag"s and repeated
/// options. Unknown or malformed options throw CUsageError.
class CCliOptions
{
public:
    /// `withValue` and `flags` name the options the command accepts.
    CCliOptions(const std::vector<std::string>& args, std::vector<std::string_view> withValue,
                std::vector<std::string_view> flags = {});

    std::optional<std::string> Value(std::string_view name) const;
    std::string Required(std::string_view name) const;
    std::vector<std::string> All(std::string_view name) const;
    bool Has(std::string_view name) const;
    const std::vector<std::string>& Positional() const { return m_positional; }

private:
    std::vector<std::pair<std::string, std::string>> m_values;
    std::vector<std::string> m_flags;
    std::vector<std::string> m_positional;
};
