#include "app/viewer.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <memory>

namespace ferlow {
namespace {

// xdg-open answers within a moment whether it found a program for the document;
// where it runs the viewer itself, it lasts as long as the viewer, and how the
// viewer ends long after it showed the document says nothing about opening it.
constexpr qint64 kGivesUpWithinMs = 15000;

}  // namespace

void openWithViewer(const QString& path, std::function<void()> failed)
{
    if (!QFileInfo(path).isFile()) {
        QTimer::singleShot(0, [failed] { failed(); });
        return;
    }
    // Not owned by anything: QProcess kills its program when it is destroyed, and
    // the viewer must outlive the game. It deletes itself once its program ends.
    auto* viewer = new QProcess;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(viewer, &QProcess::errorOccurred, viewer, [viewer, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        failed();
        viewer->deleteLater();
    });
    QObject::connect(viewer, &QProcess::finished, viewer,
                     [viewer, failed, started](int code, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || code != 0) && started->elapsed() < kGivesUpWithinMs)
                             failed();
                         viewer->deleteLater();
                     });
    viewer->setStandardOutputFile(QProcess::nullDevice());
    viewer->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    viewer->start(QStringLiteral("xdg-open"), {path});
}

}  // namespace ferlow
