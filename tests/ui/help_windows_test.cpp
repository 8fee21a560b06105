// The help and instructions windows' binding: the help page, Close by click or
// Enter, the instructions' paragraphs and their dotted background, and which
// presses beep.
#include <QLabel>
#include <QPushButton>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/viewer.h"
#include "engine/help_page.h"
#include "engine/rules/instructions_text.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class HelpWindowsTest : public UiTest {
protected:
    void SetUp() override { startGame(); }
    void expectAllUnlocked()
    {
        EXPECT_TRUE(views->mainWindow()->isEnabled());
        EXPECT_TRUE(views->prizeWindow()->isEnabled());
        EXPECT_TRUE(views->statsWindow()->isEnabled());
    }
};

int countColour(const QImage& image, QRgb colour, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

TEST_F(HelpWindowsTest, HelpShowsItsPageAndEnterOnCloseClosesIt)
{
    chooseMenu("MnuHlp");
    QWidget* help = views->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Ferlow Help");
    EXPECT_FALSE(views->mainWindow()->isEnabled());
    const QPixmap page = control<QLabel>(help, "Image1")->pixmap();
    EXPECT_FALSE(page.isNull());
    auto* close = control<QPushButton>(help, "CmdClose");
    EXPECT_EQ(close->toolTip(), "Back to game.");
    EXPECT_EQ(close->text(), "&Close");

    click(control(help, "Image1"));
    EXPECT_EQ(host.beeps, 1);

    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_EQ(views->helpWindow(), nullptr);
    expectAllUnlocked();
}

// A screen reader cannot read the page's picture: the help page is described
// by its words, every section of it, as sentences without the page's markup.
TEST_F(HelpWindowsTest, AScreenReaderHearsTheHelpPagesWords)
{
    chooseMenu("MnuHlp");
    QWidget* page = control(views->helpWindow(), "Image1");
    ASSERT_NE(page, nullptr);
    const QString words = page->accessibleDescription();
    EXPECT_TRUE(words.startsWith("Ferlow Help")) << words.toStdString();
    for (const help::Section& section : help::kSections)
        EXPECT_TRUE(words.contains(QString(section.title) + ". ")) << section.title;
    for (const char* said : {"5, 10, 20, 50, 100 or All", "Other :", "a blue ball", "Hold", "High Scores"})
        EXPECT_TRUE(words.contains(said)) << said;
    for (const char* markup : {"**", "[", "]"}) EXPECT_FALSE(words.contains(markup)) << markup;
}

TEST_F(HelpWindowsTest, InstructionsShowBothParagraphsAndCloseUnlocks)
{
    chooseMenu("Mnuinst");
    QWidget* ins = views->instructionsWindow();
    ASSERT_NE(ins, nullptr);
    EXPECT_TRUE(ins->isVisible());
    EXPECT_EQ(ins->windowTitle(), "Instructions");
    EXPECT_EQ(control<QLabel>(ins, "Lblins1")->text().toStdString(), joinPieces(kInstructionPieces1));
    EXPECT_EQ(control<QLabel>(ins, "Lblins2")->text().toStdString(), joinPieces(kInstructionPieces2));

    click(control(ins, "Lblins2"));
    clickAt(ins, {2, ins->height() - 2});
    EXPECT_EQ(host.beeps, 2);

    // No Enter of its own on Close; a click closes.
    QTest::keyClick(control(ins, "CmdClose"), Qt::Key_Return);
    EXPECT_NE(views->instructionsWindow(), nullptr);
    click(control(ins, "CmdClose"));
    EXPECT_EQ(views->instructionsWindow(), nullptr);
    expectAllUnlocked();
}

TEST_F(HelpWindowsTest, EachFillingScattersItsDotsOverTheBackground)
{
    chooseMenu("Mnuinst");
    auto* ins = views->instructionsWindow();
    ASSERT_NE(ins, nullptr);
    const QImage once = ins->background().convertToFormat(QImage::Format_RGB32);
    const QRect all(QPoint(0, 0), once.size());
    const QRgb grey = qRgb(128, 128, 128), white = qRgb(255, 255, 255);
    // Two fillings by now (at start-up and at opening): 8000 grey and 3000 white
    // dots, less those outside the window and those that land on one another.
    const int greyOnce = countColour(once, grey, all);
    EXPECT_GT(greyOnce, 5500);
    EXPECT_LE(greyOnce, 2 * ui::FrmInsferlow::kGreyDotsPerRun);
    EXPECT_GT(countColour(once, white, all), 2000);
    // Dots start at the second row and column.
    EXPECT_EQ(countColour(once, grey, QRect(0, 0, once.width(), 1)), 0);
    EXPECT_EQ(countColour(once, grey, QRect(0, 0, 1, once.height())), 0);

    // The labels cover the dots where they lie (a few pixels of their text's
    // smoothing may happen to be the same grey).
    const QImage shown = ins->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect label = control(ins, "Lblins1")->geometry();
    int under = 0, showing = 0;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
            if (once.pixel(x, y) == grey) {
                ++under;
                showing += shown.pixel(x, y) == grey;
            }
    EXPECT_GT(under, 100);
    EXPECT_LT(showing * 20, under);
    EXPECT_GT(countColour(shown, grey, QRect(0, 0, shown.width(), 8)), 20);

    // Closed and opened again: a fresh window, filled twice more.
    click(control(ins, "CmdClose"));
    chooseMenu("Mnuinst");
    ins = views->instructionsWindow();
    ASSERT_NE(ins, nullptr);
    const int again = countColour(ins->background().convertToFormat(QImage::Format_RGB32), grey, all);
    EXPECT_GT(again, 5500);
    EXPECT_LE(again, 2 * ui::FrmInsferlow::kGreyDotsPerRun);
}

// ReadMe hands the document to xdg-open. When that finds no viewer for it (it
// ends with a failure status) or is not there at all, the game is told.
TEST(ReadMeViewer, AViewerThatGivesUpIsReported)
{
    QTemporaryDir bin;
    const QString doc = bin.filePath("README.html");
    QFile(doc).open(QIODevice::WriteOnly);
    const QByteArray path = qgetenv("PATH");
    const struct {
        const char* script;  // xdg-open's body; null: there is none
        bool reported;
    } rows[] = {{"exit 3", true}, {"exit 0", false}, {nullptr, true}};
    for (const auto& row : rows) {
        QFile::remove(bin.filePath("xdg-open"));
        if (row.script) {
            QFile script(bin.filePath("xdg-open"));
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(QByteArray("#!/bin/sh\n") + row.script + "\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", bin.path().toUtf8());
        bool reported = false;
        ferlow::openWithViewer(doc, [&] { reported = true; });
        qputenv("PATH", path);
        if (row.reported)
            EXPECT_TRUE(QTest::qWaitFor([&] { return reported; }, 5000)) << (row.script ? row.script : "none");
        else
            EXPECT_FALSE(QTest::qWaitFor([&] { return reported; }, 500)) << row.script;
    }
    bool reported = false;
    ferlow::openWithViewer(bin.filePath("missing.html"), [&] { reported = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return reported; }, 1000));
}

}  // namespace
}  // namespace ferlow::test
