// make-icons SVG OUTDIR SIZE...: renders the program's scalable icon into the
// PNG sizes of the hicolor icon theme, as OUTDIR/ferlow-SIZE.png. Run at build
// time, so the repository keeps one drawing of the icon and no binary copies.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

// Qt's SVG renderer warns and carries on when it meets something it cannot
// draw; the icon must never be shipped half drawn, so any warning fails the build.
int renderWarnings = 0;

void countWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) ++renderWarnings;
    std::fprintf(stderr, "make-icons: %s\n", qPrintable(message));
}

bool renderOne(QSvgRenderer& svg, int size, const QDir& dir)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    const QString path = dir.filePath(QStringLiteral("ferlow-%1.png").arg(size));
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        std::fprintf(stderr, "make-icons: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: make-icons SVG OUTDIR SIZE...\n"
                             "Renders SVG into OUTDIR/ferlow-SIZE.png for each SIZE.\n");
        return 2;
    }
    qInstallMessageHandler(countWarnings);

    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "make-icons: cannot read the icon %s\n", argv[1]);
        return 1;
    }
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "make-icons: cannot create %s\n", argv[2]);
        return 1;
    }

    int failures = 0;
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "make-icons: %s is not an icon size\n", argv[i]);
            return 2;
        }
        failures += renderOne(svg, size, dir) ? 0 : 1;
    }
    return failures == 0 && renderWarnings == 0 ? 0 : 1;
}
