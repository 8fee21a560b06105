// Where ferlow.ini lives on each platform.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ferlow::storage {

enum class Platform { Windows, Linux };

// The values of XDG_DATA_HOME and HOME (empty when unset), and the folder the game was
// started from.
struct Environment {
    std::string xdgDataHome;
    std::string home;
    std::string currentDirectory;
};

// Linux: $XDG_DATA_HOME/ferlow/ferlow.ini, else $HOME/.local/share/ferlow/ferlow.ini.
// Windows, as the game has always kept it: "program files\ferlow\ferlow.ini" below the
// root of the drive the game was started from (the first three characters of the current
// directory, "D:\"). Empty when no usable location is known, in which case the game
// plays with the standard table and cannot save.
std::filesystem::path highScoreFilePath(Platform platform, const Environment& environment);

// Why Linux has no location for the file in this environment, as words for the
// player ("HOME is not an absolute path: \"home\""); empty when it has one.
std::string whyNoHighScorePath(const Environment& environment);

}  // namespace ferlow::storage
