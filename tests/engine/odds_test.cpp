// The odds of the draw against values worked out by hand, and the README's table
// of expected returns against the program's own function.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/rules/odds.h"

namespace ferlow {
namespace {

TEST(Odds, HitChancesMatchHandComputedValues)
{
    // 4 of 4 among 20 balls: C(20,4) / C(80,4) = 4845 / 1581580.
    EXPECT_NEAR(hitChance(4, 4, 20), 4845.0 / 1581580.0, 1e-15);
    EXPECT_EQ(chanceText(hitChance(4, 4, 20)), "Chance 1 in 326.4");
    // 0 of 4: C(60,20) C(... ) reduces to (60*59*58*57) / (80*79*78*77).
    EXPECT_NEAR(hitChance(4, 0, 20), (60.0 * 59 * 58 * 57) / (80.0 * 79 * 78 * 77), 1e-15);
    // 10 of 10 among 20: C(70,10) / C(80,20) * C(20,10)... as 1 in 8,911,711.
    EXPECT_EQ(chanceText(hitChance(10, 10, 20)), "Chance 1 in 8,911,711");
    EXPECT_EQ(hitChance(4, 5, 20), 0);
}

TEST(Odds, ChancesOfEveryTicketSumToOne)
{
    for (int balls : {20, 22})
        for (int spots = 4; spots <= 10; ++spots) {
            double sum = 0;
            for (int h = 0; h <= spots; ++h) sum += hitChance(spots, h, balls);
            EXPECT_NEAR(sum, 1.0, 1e-12) << spots << " spots, " << balls << " balls";
        }
}

TEST(Odds, ExpectedReturnWeighsEveryPayingCount)
{
    // Easy, 4 spots: factors 7, 15, 85 for 2, 3, 4 hits; the bet comes back too.
    const double expected = hitChance(4, 2, 20) * 8 + hitChance(4, 3, 20) * 16 + hitChance(4, 4, 20) * 86;
    EXPECT_NEAR(expectedReturn(Difficulty::Easy, 4), expected, 1e-12);
    // Harder levels return less on the same ticket.
    for (int spots = 4; spots <= 10; ++spots)
        EXPECT_GT(expectedReturn(Difficulty::Easy, spots), expectedReturn(Difficulty::Hardest, spots));
}

TEST(Odds, TheReadmeTableIsTheProgramsOwn)
{
    std::ifstream readme(FERLOW_SOURCE_DIR "/README.md");
    ASSERT_TRUE(readme) << "README.md not found";
    std::stringstream text;
    text << readme.rdbuf();
    EXPECT_NE(text.str().find(expectedReturnTable()), std::string::npos) << "README.md should hold this table:\n"
                                                                         << expectedReturnTable();
}

}  // namespace
}  // namespace ferlow

#include "support/game_driver.h"

namespace ferlow {
namespace {

TEST(Odds, PrizeRowsCarryTheChanceOfTheirHitCount)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    // At start the rows show ten spots.
    EXPECT_EQ(m.prize.row(10).tooltip, "Chance 1 in 8,911,711");
    test::playTurn(m, 4, 0, "1");
    EXPECT_EQ(m.prize.row(4).tooltip, "Chance 1 in 326.4");
    EXPECT_EQ(m.prize.row(5).tooltip, "");
    EXPECT_EQ(m.prize.tooltip, "A bet of 1 credit on 4 picks at Easy returns 2.66 on average.");
    m.menuClicked(Menu::Mnungam);    // the difficulty can change between games
    m.menuClicked(Menu::Mnumedium);  // 22 balls, once the rows show Medium's prizes
    test::playTurn(m, 4, 0, "1");
    EXPECT_NE(m.prize.row(4).tooltip, "Chance 1 in 326.4");
    EXPECT_EQ(m.prize.tooltip, "A bet of 1 credit on 4 picks at Medium returns 2.09 on average.");
}

}  // namespace
}  // namespace ferlow
