// Opening a document with the desktop's viewer, beside the game.
#pragma once

#include <QString>
#include <functional>

namespace ferlow {

// Starts the desktop's viewer (xdg-open) on `path` without waiting for it.
// `failed` runs later, on the event loop, when the document is missing, the
// viewer cannot start, or it gives up at once (xdg-open ends with a failure
// status when it finds no program for the document). A viewer still running
// when the game ends is left running.
void openWithViewer(const QString& path, std::function<void()> failed);

}  // namespace ferlow
