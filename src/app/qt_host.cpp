#include "app/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <cstdio>

#include "app/viewer.h"
#include "media/data_folder.h"
#include "media/sound_player.h"
#include "storage/high_score_file.h"
#include "ui/views.h"
#include "ui/widgets/twips.h"

namespace ferlow {
namespace {

storage::Platform thisPlatform()
{
#ifdef Q_OS_WIN
    return storage::Platform::Windows;
#else
    return storage::Platform::Linux;
#endif
}

storage::Environment environment()
{
    return {qEnvironmentVariable("XDG_DATA_HOME").toStdString(), qEnvironmentVariable("HOME").toStdString(),
            QDir::toNativeSeparators(QDir::currentPath()).toStdString()};
}

// A file of the data folder by its name.
std::string dataFile(const std::string& name)
{
    return QDir(media::installedDataFolder()).filePath(QString::fromStdString(name)).toStdString();
}

// The machine's table and the file's: both five places.
static_assert(storage::kHighScorePlaces == kHighScorePlaces);

StoredHighScores toEngine(const storage::HighScoreTable& table)
{
    StoredHighScores stored;
    for (std::size_t i = 0; i < stored.size(); ++i) stored[i] = {table[i].score, table[i].name};
    return stored;
}

storage::HighScoreTable toStorage(const StoredHighScores& table)
{
    storage::HighScoreTable stored;
    for (std::size_t i = 0; i < stored.size(); ++i) stored[i] = {table[i].score, table[i].name};
    return stored;
}

}  // namespace

QtHost::QtHost(media::SoundPlayer& sounds) : sounds_(sounds) {}

QtHost::~QtHost() = default;

void QtHost::syncViews()
{
    if (views_) views_->syncAll();
}

int QtHost::secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000; }

// Sleeps in a local event loop until the next second boundary, so window events
// run meanwhile and the processor rests. A precise timer, because the default
// coarse one may fire up to 5% early; the second is checked again on waking.
void QtHost::waitForSecondChange(int second)
{
    syncViews();
    while (!quitting_ && QTime::currentTime().second() == second) {
        const int untilNext = 1000 - QTime::currentTime().msec();
        QEventLoop loop;
        QTimer::singleShot(untilNext + 1, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        syncViews();
    }
}

void QtHost::processEvents()
{
    syncViews();
    if (!quitting_) QCoreApplication::processEvents();
}

void QtHost::playSound(const std::string& name, PlayMode mode)
{
    const std::string path = dataFile(name);
    const bool played = mode == PlayMode::Sync ? sounds_.playSync(path) : sounds_.playAsync(path);
    // A missing sound plays the desktop's alert in its place.
    if (!played) QApplication::beep();
}

void QtHost::stopSound() { sounds_.stopAll(); }

void QtHost::beep() { QApplication::beep(); }

MessageAnswer QtHost::showMessage(const MessageBox& box)
{
    syncViews();
    QMessageBox dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(box.title));
    dialog.setText(QString::fromStdString(box.text));
    switch (box.icon) {
    case MessageIcon::Information: dialog.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: dialog.setIcon(QMessageBox::Question); break;
    case MessageIcon::Exclamation: dialog.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Critical: dialog.setIcon(QMessageBox::Critical); break;
    }
    if (box.buttons == MessageButtons::YesNo) {
        dialog.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        dialog.setDefaultButton(box.defaultButton == MessageAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
        dialog.setEscapeButton(QMessageBox::No);
    } else {
        dialog.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = dialog.exec();
    if (box.buttons == MessageButtons::YesNo)
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    return MessageAnswer::Ok;
}

ScreenSize QtHost::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    return {ui::twips(size.width()), ui::twips(size.height())};
}

// The store remembers what it last read or wrote, for the merge with other games'
// saves; it lives as long as the host.
storage::HighScoreStore* QtHost::store()
{
    const std::filesystem::path file = storage::highScoreFilePath(thisPlatform(), environment());
    if (file.empty()) return nullptr;
    if (!store_ || store_->file() != file)
        store_ = std::make_unique<storage::HighScoreStore>(file, toStorage(standardHighScores()));
    return store_.get();
}

HighScoreAnswer QtHost::readHighScores()
{
    storage::HighScoreStore* scores = store();
    if (!scores) return {standardHighScores(), true, {}};
    const storage::LoadResult loaded = scores->load();
    if (!loaded.error.empty()) std::fprintf(stderr, "ferlow: %s\n", loaded.error.c_str());
    return {toEngine(loaded.table), true, loaded.error};
}

HighScoreAnswer QtHost::writeHighScores(const StoredHighScores& table, HighScoreWrite how)
{
    storage::HighScoreStore* scores = store();
    if (!scores)
        return {{}, false, "There is no folder to keep them in: " + storage::whyNoHighScorePath(environment()) + "."};
    const storage::SaveResult saved = scores->save(
        toStorage(table), how == HighScoreWrite::Replace ? storage::SaveMode::Replace : storage::SaveMode::Merge);
    if (!saved.ok) return {{}, false, saved.error};
    return {toEngine(saved.table), true, saved.notice};
}

void QtHost::openReadMe(const std::string& name, std::function<void(const std::string& path)> failed)
{
    const std::string path = dataFile(name);
    openWithViewer(QString::fromStdString(path), [this, path, failed = std::move(failed)] {
        if (views_)
            views_->run([&] { failed(path); });
        else
            failed(path);
    });
}

void QtHost::quit()
{
    quitting_ = true;
    QCoreApplication::exit(0);
}

}  // namespace ferlow
