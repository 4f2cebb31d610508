#pragma once

#include <span>
#include <string_view>

/// A file of the built-in "Channels" banner, made by the build and compiled in.
struct SBuiltInFile
{
    std::string_view name;
    std::string_view bytes;
};

/// "Mouse.gif" and "XchBanner2.jpg": the bar and channel-list pages name
/// them relatively, so they are placed in the built-in banner's folder.
std::span<const SBuiltInFile> BuiltInBannerFiles();
