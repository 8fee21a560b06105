// Names the game looks its media up by; CMakeLists.txt lists the same names,
// and each picture's fine drawing beside it.
#include "media_catalog.h"

#include "pictures/pictures.h"
#include "sounds/sounds.h"

namespace media {

std::vector<MediaFile> catalog()
{
    using pictures::Mood;
    const auto picture = [](const QString& name, std::function<QImage(int)> make) {
        return MediaFile{name, std::move(make), {}};
    };
    const auto sound = [](const QString& name, std::function<synth::Track()> make) {
        return MediaFile{name, {}, std::move(make)};
    };

    std::vector<MediaFile> files{
        picture(QStringLiteral("logo.bmp"), pictures::logo),
        picture(QStringLiteral("plating.bmp"), [](int scale) { return pictures::plating(false, scale); }),
        picture(QStringLiteral("plating2.bmp"), [](int scale) { return pictures::plating(true, scale); }),
        picture(QStringLiteral("Australian.bmp"), pictures::australia),
        picture(QStringLiteral("help.bmp"), pictures::help),
        picture(QStringLiteral("smile4.bmp"), [](int scale) { return pictures::face(Mood::Beaming, scale); }),
        picture(QStringLiteral("smile3.bmp"), [](int scale) { return pictures::face(Mood::BigSmile, scale); }),
        picture(QStringLiteral("smile2.bmp"), [](int scale) { return pictures::face(Mood::Smile, scale); }),
        picture(QStringLiteral("smile1.bmp"), [](int scale) { return pictures::face(Mood::SlightSmile, scale); }),
        picture(QStringLiteral("straight.bmp"), [](int scale) { return pictures::face(Mood::Straight, scale); }),
        picture(QStringLiteral("sad.bmp"), [](int scale) { return pictures::face(Mood::Sad, scale); }),
        sound(QStringLiteral("tick.wav"), sounds::tick),
        sound(QStringLiteral("boot.wav"), sounds::boot),
        sound(QStringLiteral("hit.wav"), sounds::hit),
        sound(QStringLiteral("lost.wav"), sounds::lost),
        sound(QStringLiteral("small.wav"), sounds::smallWin),
        sound(QStringLiteral("mmm.wav"), sounds::bigWin),
        sound(QStringLiteral("ferlow.wav"), sounds::opening),
    };
    for (int stage = 1; stage <= pictures::kHourglassStages; ++stage)
        files.push_back(picture(QStringLiteral("hg%1.bmp").arg(stage),
                                [stage](int scale) { return pictures::hourglass(stage, scale); }));
    return files;
}

} // namespace media
