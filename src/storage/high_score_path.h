// Where ferlow.ini lives on each platform.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ferlow::storage {

enum class Platform { Windows, Linux };

// The values of XDG_DATA_HOME and HOME; empty when unset.
struct Environment {
    std::string xdgDataHome;
    std::string home;
};

// Windows: <drive>program files\ferlow\ferlow.ini. Linux: $XDG_DATA_HOME/ferlow/ferlow.ini,
// else $HOME/.local/share/ferlow/ferlow.ini. Empty when no usable location is known, in
// which case the game plays with the standard table and cannot save.
std::filesystem::path highScoreFilePath(Platform platform, std::string_view drivePrefix,
                                        const Environment& environment);

// Why Linux has no location for the file in this environment, as words for the
// player ("HOME is not an absolute path: \"home\""); empty when it has one.
std::string whyNoHighScorePath(const Environment& environment);

}  // namespace ferlow::storage
