// Where the game's pictures and sounds live: share/ferlow beside the bin folder.
#pragma once

#include <QString>

namespace ferlow::media {

// Environment variable that, when set and non-empty, names the data folder.
inline constexpr char kDataDirVariable[] = "FERLOW_DATA_DIR";

// The data folder for an executable in `executableFolder`:
// `executableFolder`/../share/ferlow, or `overrideFolder` when non-empty.
// Canonical with a trailing "/" so file names can be appended directly;
// a folder that does not exist comes back absolute and cleaned instead.
QString dataFolderFor(const QString& executableFolder, const QString& overrideFolder = {});

// The running game's data folder (needs a QCoreApplication unless
// FERLOW_DATA_DIR is set). Works from the build tree and from an installed
// prefix alike: both have bin/ferlow and share/ferlow/ side by side.
QString installedDataFolder();

}  // namespace ferlow::media
