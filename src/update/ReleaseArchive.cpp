#include "update/ReleaseArchive.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view kFileTag = "FILE ";
constexpr std::string_view kEndLine = "END\n";

bool IsReleaseProgramName(std::string_view name)
{
    return std::find(std::begin(kReleaseProgramNames), std::end(kReleaseProgramNames), name) !=
           std::end(kReleaseProgramNames);
}

/// One "FILE <name> <size>\n" header and its bytes from the front of `rest`.
std::optional<SReleaseProgram> TakeProgram(std::string_view& rest, std::string& why)
{
    const size_t lineEnd = rest.find('\n');
    if (lineEnd == std::string_view::npos) {
        why = "a program's header line is cut off";
        return std::nullopt;
    }
    const std::string_view line = rest.substr(kFileTag.size(), lineEnd - kFileTag.size());
    const size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        why = "a program's header line has no size";
        return std::nullopt;
    }
    SReleaseProgram program{std::string(line.substr(0, space)), {}};
    if (!IsReleaseProgramName(program.name)) {
        why = "it holds \"" + program.name.substr(0, 100) + "\", which is not one of Leanlog's programs";
        return std::nullopt;
    }
    const std::string_view sizeText = line.substr(space + 1);
    size_t size = 0;
    const auto [end, error] = std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
    // One spelling per size: what the signature covers reads one way only.
    const bool leadingZero = sizeText.size() > 1 && sizeText[0] == '0';
    if (error != std::errc() || end != sizeText.data() + sizeText.size() || sizeText.empty() || leadingZero ||
        size > kMaxReleaseProgramBytes) {
        why = "the size of " + program.name + " is not a number up to the limit";
        return std::nullopt;
    }
    rest.remove_prefix(lineEnd + 1);
    if (rest.size() < size + 1 || rest[size] != '\n') {
        why = program.name + " is cut off";
        return std::nullopt;
    }
    program.bytes.assign(rest.substr(0, size));
    rest.remove_prefix(size + 1);
    return program;
}

} // namespace

std::optional<SReleaseArchive> ParseReleaseArchive(std::string_view bytes, std::string& why)
{
    if (!bytes.starts_with(kReleaseArchiveMagic)) {
        why = "it is not a Leanlog release archive";
        return std::nullopt;
    }
    std::string_view rest = bytes.substr(kReleaseArchiveMagic.size());
    SReleaseArchive archive;
    while (rest.starts_with(kFileTag)) {
        auto program = TakeProgram(rest, why);
        if (!program)
            return std::nullopt;
        const auto same = [&](const SReleaseProgram& p) { return p.name == program->name; };
        if (std::any_of(archive.programs.begin(), archive.programs.end(), same)) {
            why = "it holds " + program->name + " twice";
            return std::nullopt;
        }
        archive.programs.push_back(std::move(*program));
    }
    if (rest != kEndLine) {
        why = "it does not end after its last program";
        return std::nullopt;
    }
    if (archive.programs.empty()) {
        why = "it holds no program";
        return std::nullopt;
    }
    return archive;
}
