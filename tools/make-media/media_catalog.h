// How each media file the game loads is made.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "synth.h"

namespace media {

struct MediaFile {
    QString name;                              // file name in the data folder
    std::function<QImage(int scale)> picture;  // set for pictures: drawn at `scale` pixels to the point
    std::function<synth::Track()> sound;       // set for sounds
};

// Every file of the game's media catalogue (engine/media_catalog.h) with its
// maker, in the catalogue's order. Names the catalogue lists but nothing here
// makes go to `unmade`. Each picture is written twice: as `name`, and drawn twice
// as fine under the name the game looks for on HiDPI screens.
std::vector<MediaFile> catalog(QStringList* unmade = nullptr);

// The names of every file make-media writes: each picture, its fine drawing, and
// each sound.
QStringList fileNames();

}  // namespace media
