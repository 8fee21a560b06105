// Names the game looks its media up by; CMakeLists.txt lists the same names.
#include "media_catalog.h"

#include "pictures/pictures.h"
#include "sounds/sounds.h"

namespace media {

std::vector<MediaFile> catalog()
{
    using pictures::Mood;
    const auto picture = [](const QString& name, std::function<QImage()> make) {
        return MediaFile{name, std::move(make), {}};
    };
    const auto sound = [](const QString& name, std::function<synth::Track()> make) {
        return MediaFile{name, {}, std::move(make)};
    };

    std::vector<MediaFile> files{
        picture(QStringLiteral("logo.bmp"), pictures::logo),
        picture(QStringLiteral("plating.bmp"), [] { return pictures::plating(false); }),
        picture(QStringLiteral("plating2.bmp"), [] { return pictures::plating(true); }),
        picture(QStringLiteral("Australian.bmp"), pictures::australia),
        picture(QStringLiteral("help.bmp"), pictures::help),
        picture(QStringLiteral("smile4.bmp"), [] { return pictures::face(Mood::Beaming); }),
        picture(QStringLiteral("smile3.bmp"), [] { return pictures::face(Mood::BigSmile); }),
        picture(QStringLiteral("smile2.bmp"), [] { return pictures::face(Mood::Smile); }),
        picture(QStringLiteral("smile1.bmp"), [] { return pictures::face(Mood::SlightSmile); }),
        picture(QStringLiteral("straight.bmp"), [] { return pictures::face(Mood::Straight); }),
        picture(QStringLiteral("sad.bmp"), [] { return pictures::face(Mood::Sad); }),
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
                                [stage] { return pictures::hourglass(stage); }));
    return files;
}

} // namespace media
