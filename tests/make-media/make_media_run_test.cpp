// Runs make-media itself: the files it writes, repeatability, and failures.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/media_catalog.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    QString errors;
    QString output;
};

ToolRun makeMedia(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProgram(QStringLiteral(MAKE_MEDIA_EXE));
    process.setArguments(args);
    process.start();
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return run;
    run.exitCode = process.exitCode();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return run;
}

QSet<QString> filesIn(const QString& dir)
{
    const QStringList names = QDir(dir).entryList(QDir::Files);
    return {names.begin(), names.end()};
}

TEST(MakeMediaRun, WritesExactlyTheListedFilesTheSameEveryTime)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    // A folder that does not exist yet is created.
    const QString firstOut = first.filePath(QStringLiteral("share/ferlow"));
    const ToolRun a = makeMedia({firstOut});
    ASSERT_EQ(a.exitCode, 0) << a.errors.toStdString();
    const ToolRun b = makeMedia({second.path()});
    ASSERT_EQ(b.exitCode, 0) << b.errors.toStdString();

    // Every picture of the catalogue, each also drawn twice as fine, and every sound.
    QStringList listed;
    for (const char* picture : ferlow::files::kPictures)
        listed << QString::fromLatin1(picture) << QString::fromStdString(ferlow::files::fineName(picture));
    for (const char* sound : ferlow::files::kSounds) listed << QString::fromLatin1(sound);
    const QSet<QString> expected(listed.begin(), listed.end());
    ASSERT_EQ(expected.size(), 41);  // 17 pictures and 7 sounds
    EXPECT_EQ(filesIn(firstOut), expected) << "the media catalogue and the tool disagree";
    // What it names with --list (for the install checks) is what it writes.
    const ToolRun list = makeMedia({QStringLiteral("--list")});
    ASSERT_EQ(list.exitCode, 0);
    const QStringList named = list.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(QSet<QString>(named.begin(), named.end()), expected);

    for (const QString& name : listed) {
        QFile x(QDir(firstOut).filePath(name)), y(QDir(second.path()).filePath(name));
        ASSERT_TRUE(x.open(QIODevice::ReadOnly) && y.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(x.readAll(), y.readAll()) << name.toStdString() << " differs between two runs";
    }
}

TEST(MakeMediaRun, FailsWhenTheFilesCannotBeWritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A plain file where the output folder should be.
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const ToolRun run = makeMedia({blocker + QStringLiteral("/out")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_FALSE(run.errors.isEmpty());

    // A folder the tool may not write into (root may write anywhere, so only
    // check this where permissions apply).
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFile(locked + QStringLiteral("/probe")).open(QIODevice::WriteOnly)) {
        const ToolRun lockedRun = makeMedia({locked});
        EXPECT_NE(lockedRun.exitCode, 0);
        EXPECT_TRUE(QDir(locked).entryList(QDir::Files).isEmpty()) << "half-written files left behind";
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(MakeMediaRun, StopsRatherThanDrawEmptyBoxesWhenNoFontIsInstalled)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A fontconfig setup that knows no font folder at all.
    QFile config(dir.filePath(QStringLiteral("fonts.conf")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig><cachedir>%1</cachedir></fontconfig>\n")
                     .arg(dir.filePath(QStringLiteral("cache")))
                     .toUtf8());
    config.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());

    const QString out = dir.filePath(QStringLiteral("out"));
    const ToolRun run = makeMedia({out}, env);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("font"))) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(out).filePath(QStringLiteral("help.bmp"))));
}

TEST(MakeMediaRun, RefusesAMissingOrExtraArgument)
{
    EXPECT_EQ(makeMedia({}).exitCode, 2);
    EXPECT_EQ(makeMedia({QStringLiteral("a"), QStringLiteral("b")}).exitCode, 2);
}

}  // namespace
