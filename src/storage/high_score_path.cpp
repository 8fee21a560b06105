// Where ferlow.ini lives on each platform.
#include "storage/high_score_path.h"

namespace ferlow::storage {
namespace {

// Relative locations are ignored, as the XDG base directory rules ask: they would
// depend on whatever folder the game happened to be started from.
bool isAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

}  // namespace

std::filesystem::path highScoreFilePath(Platform platform, const Environment& environment)
{
    if (platform == Platform::Windows) {
        std::string path = environment.currentDirectory.substr(0, 3);
        // "D:" alone would mean the current folder of drive D, not its root.
        if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
        return path + "program files\\ferlow\\ferlow.ini";
    }
    if (isAbsolute(environment.xdgDataHome))
        return std::filesystem::path(environment.xdgDataHome) / "ferlow" / "ferlow.ini";
    if (isAbsolute(environment.home))
        return std::filesystem::path(environment.home) / ".local" / "share" / "ferlow" / "ferlow.ini";
    return {};
}

std::string whyNoHighScorePath(const Environment& environment)
{
    if (isAbsolute(environment.xdgDataHome) || isAbsolute(environment.home)) return {};
    const auto describe = [](const char* name, const std::string& value) {
        if (value.empty()) return std::string(name) + " is not set";
        std::string words(name);
        words += " is not an absolute path: \"";
        words += value;
        words += '"';
        return words;
    };
    if (environment.xdgDataHome.empty() && environment.home.empty()) return "neither XDG_DATA_HOME nor HOME is set";
    if (environment.xdgDataHome.empty()) return describe("HOME", environment.home);
    return describe("XDG_DATA_HOME", environment.xdgDataHome) + ", and " + describe("HOME", environment.home);
}

}  // namespace ferlow::storage
