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
    std::function<QImage()> picture;       // set for pictures
    std::function<synth::Track()> sound;   // set for sounds
};

std::vector<MediaFile> catalog();

} // namespace media
