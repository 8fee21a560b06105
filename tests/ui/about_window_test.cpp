// The About window's binding: the emblem turns under the window's own timer, Ok
// (click or Enter) closes it and unlocks the other windows, the close box
// unlocks the main window only, and its title and credit labels beep.
#include <QLabel>

#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class AboutWindowTest : public UiTest {
protected:
    void SetUp() override
    {
        startGame();
        chooseMenu("Mnuabt");
        ASSERT_NE(views->aboutWindow(), nullptr);
    }
    ui::Frmabtkeno* window() { return views->aboutWindow(); }
    ui::CyclerView* cycler() { return control<ui::CyclerView>(window(), "cycler"); }
};

TEST_F(AboutWindowTest, TheEmblemAlternatesItsTwoFramesUnderTheTimer)
{
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->windowTitle(), "About Ferlow");
    EXPECT_TRUE(window()->cycleTimer().isActive());
    EXPECT_EQ(window()->cycleTimer().interval(), 200);
    EXPECT_EQ(cycler()->frame(), ListImage::EmblemA);
    EXPECT_TRUE(cycler()->showsFrame());

    EXPECT_TRUE(QTest::qWaitFor([&] { return cycler()->frame() == ListImage::EmblemB; }, 1000));
    EXPECT_EQ(m.about.cycler, ListImage::EmblemB);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cycler()->frame() == ListImage::EmblemA; }, 1000));

    // A box that holds neither frame stays as it is.
    m.about.cyclerShowsFrame = false;
    views->syncAll();
    EXPECT_FALSE(cycler()->showsFrame());
    const ListImage held = m.about.cycler;
    QTest::qWait(450);
    EXPECT_EQ(m.about.cycler, held);
}

TEST_F(AboutWindowTest, OkClosesTheWindowAndUnlocksTheOthers)
{
    EXPECT_FALSE(views->mainWindow()->isEnabled());
    EXPECT_FALSE(views->prizeWindow()->isEnabled());
    EXPECT_EQ(control<QLabel>(window(), "Label1")->text().toStdString(), m.about.Label1.caption.text());
    EXPECT_FALSE(control<QLabel>(window(), "Label1")->text().isEmpty());

    click(control(window(), "Cmdok"));
    EXPECT_EQ(views->aboutWindow(), nullptr);
    EXPECT_TRUE(views->mainWindow()->isEnabled());
    EXPECT_TRUE(views->prizeWindow()->isEnabled());
    EXPECT_TRUE(views->statsWindow()->isEnabled());

    // Opened again, the animation starts from the first frame.
    chooseMenu("Mnuabt");
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(cycler()->frame(), ListImage::EmblemA);
}

TEST_F(AboutWindowTest, EnterOnOkClosesTheCloseBoxUnlocksOnlyTheMainWindow)
{
    QTest::keyClick(control(window(), "Cmdok"), Qt::Key_Return);
    EXPECT_EQ(views->aboutWindow(), nullptr);

    chooseMenu("Mnuabt");
    ASSERT_NE(window(), nullptr);
    window()->close();
    EXPECT_EQ(views->aboutWindow(), nullptr);
    EXPECT_TRUE(views->mainWindow()->isEnabled());
    EXPECT_FALSE(views->prizeWindow()->isEnabled());
}

TEST_F(AboutWindowTest, TheTitleAndCreditBeepAndTheButtonDoesNot)
{
    click(control(window(), "Label2"));
    click(control(window(), "Label1"));
    EXPECT_EQ(host.beeps, 2);
    clickAt(window(), {window()->width() / 2, window()->height() - 3});
    EXPECT_EQ(host.beeps, 3);
    click(control(window(), "Cmdok"));
    EXPECT_EQ(host.beeps, 3);
}

}  // namespace
}  // namespace ferlow::test
