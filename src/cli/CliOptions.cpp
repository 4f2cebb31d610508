#include "cli/CliOptions.h"

#include "cli/CliCommand.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<std::string_view>& list, std::string_view name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

} // namespace

CCliOptions::CCliOptions(const std::vector<std::string>& args, std::vector<std::string_view> withValue,
                         std::vector<std::string_view> flags)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            m_positional.push_back(arg);
            continue;
        }
        const std::string name = arg.substr(2);
        if (Contains(flags, name)) {
            m_flags.push_back(name);
        } else if (Contains(withValue, name)) {
            if (i + 1 == args.size())
                throw CUsageError("option " + arg + " needs a value");
            m_values.emplace_back(name, args[++i]);
        } else {
            throw CUsageError("unknown option " + arg);
        }
    }
}

std::optional<std::string> CCliOptions::Value(std::string_view name) const
{
    std::optional<std::string> found;
    for (const auto& [key, value] : m_values)
        if (key == name)
            found = value;
    return found;
}

std::string CCliOptions::Required(std::string_view name) const
{
    auto value = Value(name);
    if (!value)
        throw CUsageError("option --" + std::string(name) + " is required");
    return *value;
}

std::vector<std::string> CCliOptions::All(std::string_view name) const
{
    std::vector<std::string> values;
    for (const auto& [key, value] : m_values)
        if (key == name)
            values.push_back(value);
    return values;
}

bool CCliOptions::Has(std::string_view name) const
{
    return std::find(m_flags.begin(), m_flags.end(), name) != m_flags.end();
}
