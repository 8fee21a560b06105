// make-media OUTDIR: draws every picture and synthesises every sound of the
// game's media catalogue into OUTDIR. Run at build time; exits non-zero if any
// file fails. make-media --list names the files it writes.
#include "engine/media_catalog.h"
#include "file_output.h"
#include "media_catalog.h"
#include "wav_writer.h"

#include "pictures/paint_kit.h"

#include <QDir>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool fontsAvailable()
{
    // Without a usable font the logo and the help page would silently lose
    // their words; stop the build with a hint instead of shipping them blank.
    for (const QFont& font : {media::paint::sansFont(11), media::paint::serifFont(20, true)}) {
        // With no font at all Qt still "draws" text, as empty boxes.
        if (QFontInfo(font).family().isEmpty() || !QFontMetricsF(font).inFont(QLatin1Char('F'))) {
            std::fprintf(stderr,
                         "make-media: no %s font found through fontconfig; "
                         "install a font package such as fonts-dejavu-core\n",
                         qPrintable(font.family()));
            return false;
        }
    }
    return true;
}

bool writePicture(const QString& path, const QImage& image)
{
    QString error = QStringLiteral("the picture could not be drawn");
    const bool ok = !image.isNull() && media::writeBmp(path, image, &error);
    if (!ok) std::fprintf(stderr, "make-media: cannot write %s: %s\n", qPrintable(path), qPrintable(error));
    return ok;
}

bool makeOne(const media::MediaFile& file, const QDir& dir)
{
    const QString path = dir.filePath(file.name);
    if (file.picture) {
        const QString fine = QString::fromStdString(ferlow::files::fineName(file.name.toStdString()));
        const bool ordinary = writePicture(path, file.picture(1));
        return writePicture(dir.filePath(fine), file.picture(ferlow::files::kFineScale)) && ordinary;
    }
    const media::synth::Track track = file.sound();
    const auto pcm = media::toPcm16(track.samples());
    QString error;
    const bool ok = media::writeBytes(path, media::encodeWav(pcm, media::synth::kSampleRate), &error);
    if (!ok) std::fprintf(stderr, "make-media: cannot write %s: %s\n", qPrintable(path), qPrintable(error));
    return ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Pictures are painted into memory; never reach for a display, and render
    // the same way whether or not the build runs inside a desktop session.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr,
                     "usage: make-media OUTDIR | --list\n"
                     "Writes the pictures (BMP) and sounds (WAV) of Ferlow into OUTDIR, or lists their names.\n");
        return 2;
    }
    QStringList unmade;
    const std::vector<media::MediaFile> files = media::catalog(&unmade);
    if (!unmade.isEmpty()) {
        std::fprintf(stderr, "make-media: nothing makes %s, which the media catalogue lists\n",
                     qPrintable(unmade.join(QStringLiteral(", "))));
        return 1;
    }
    if (args.at(1) == QStringLiteral("--list")) {
        for (const QString& name : media::fileNames()) std::printf("%s\n", qPrintable(name));
        return 0;
    }
    if (!fontsAvailable()) return 1;

    const QDir dir(args.at(1));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "make-media: cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    int failures = 0;
    for (const media::MediaFile& file : files) failures += makeOne(file, dir) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
