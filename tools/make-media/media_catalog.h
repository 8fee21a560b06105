// The list of every media file the game loads, and how each one is made.
#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

#include "synth.h"

namespace media {

struct MediaFile {
    QString name;                          // file name in the data folder
    std::function<QImage(int scale)> picture; // set for pictures: drawn at `scale` pixels to the point
    std::function<synth::Track()> sound;   // set for sounds
};

// Each picture is written twice: as `name`, and drawn twice as fine under the
// name the game looks for on HiDPI screens (engine/media_files.h).

std::vector<MediaFile> catalog();

} // namespace media
