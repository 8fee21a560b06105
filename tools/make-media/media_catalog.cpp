// How each file of the game's media catalogue is made. The names are the
// catalogue's own (engine/media_catalog.h): a file listed there without a maker
// here stops the build.
#include "media_catalog.h"

#include <map>
#include <string>

#include "engine/media_catalog.h"
#include "pictures/pictures.h"
#include "sounds/sounds.h"

namespace media {

std::vector<MediaFile> catalog(QStringList* unmade)
{
    namespace files = ferlow::files;
    using pictures::Mood;
    const auto face = [](Mood mood) { return [mood](int scale) { return pictures::face(mood, scale); }; };
    const auto hourglass = [](int stage) { return [stage](int scale) { return pictures::hourglass(stage, scale); }; };
    const std::map<std::string, std::function<QImage(int)>> pictureMakers{
        {files::kLogo, pictures::logo},
        {files::kPlating, [](int scale) { return pictures::plating(false, scale); }},
        {files::kPlatingPressed, [](int scale) { return pictures::plating(true, scale); }},
        {files::kHourglass[0], hourglass(1)},
        {files::kHourglass[1], hourglass(2)},
        {files::kHourglass[2], hourglass(3)},
        {files::kHourglass[3], hourglass(4)},
        {files::kHourglass[4], hourglass(5)},
        {files::kHourglass[5], hourglass(6)},
        {files::kOpeningPicture, pictures::australia},
        {files::kHelpPage, pictures::help},
        {files::kFaces[0], face(Mood::Beaming)},
        {files::kFaces[1], face(Mood::BigSmile)},
        {files::kFaces[2], face(Mood::Smile)},
        {files::kFaces[3], face(Mood::SlightSmile)},
        {files::kFaces[4], face(Mood::Straight)},
        {files::kFaces[5], face(Mood::Sad)},
    };
    const std::map<std::string, std::function<synth::Track()>> soundMakers{
        {files::kOpeningSound, sounds::opening}, {files::kTickSound, sounds::tick},
        {files::kBallSound, sounds::boot},       {files::kHitSound, sounds::hit},
        {files::kLostSound, sounds::lost},       {files::kSmallWinSound, sounds::smallWin},
        {files::kBigWinSound, sounds::bigWin},
    };

    std::vector<MediaFile> made;
    for (const char* name : files::kPictures) {
        if (const auto maker = pictureMakers.find(name); maker != pictureMakers.end())
            made.push_back({QString::fromLatin1(name), maker->second, {}});
        else if (unmade)
            unmade->push_back(QString::fromLatin1(name));
    }
    for (const char* name : files::kSounds) {
        if (const auto maker = soundMakers.find(name); maker != soundMakers.end())
            made.push_back({QString::fromLatin1(name), {}, maker->second});
        else if (unmade)
            unmade->push_back(QString::fromLatin1(name));
    }
    return made;
}

QStringList fileNames()
{
    QStringList names;
    for (const MediaFile& file : catalog()) {
        names.push_back(file.name);
        if (file.picture) names.push_back(QString::fromStdString(ferlow::files::fineName(file.name.toStdString())));
    }
    return names;
}

}  // namespace media
