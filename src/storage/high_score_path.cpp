// Where ferlow.ini lives on each platform.
#include "storage/high_score_path.h"

namespace ferlow::storage {
namespace {

// Relative locations are ignored, as the XDG base directory rules ask: they would
// depend on whatever folder the game happened to be started from.
bool isAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

}  // namespace

std::filesystem::path highScoreFilePath(Platform platform, std::string_view drivePrefix,
                                        const Environment& environment)
{
    if (platform == Platform::Windows) {
        std::string path(drivePrefix);
        // "D:" alone would mean the current folder of drive D, not its root.
        if (!path.empty() && path.back() != '\\' && path.back() != '/')
            path += '\\';
        return path + "program files\\ferlow\\ferlow.ini";
    }
    if (isAbsolute(environment.xdgDataHome))
        return std::filesystem::path(environment.xdgDataHome) / "ferlow" / "ferlow.ini";
    if (isAbsolute(environment.home))
        return std::filesystem::path(environment.home) / ".local" / "share" / "ferlow" / "ferlow.ini";
    return {};
}

}  // namespace ferlow::storage
