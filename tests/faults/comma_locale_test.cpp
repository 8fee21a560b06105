// The desktop host takes on the user's locale: Qt sets every category from the
// environment when the application starts. Where the decimal point is a comma
// (German, French, ...) the machine must still start, show its numbers with a
// point and read a typed "2.5" as two and a half.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/rules/amount_text.h"
#include "support/fake_host.h"
#include "support/game_driver.h"

namespace fs = std::filesystem;

namespace ferlow::faults {
namespace {

constexpr const char* kLocale = "de_DE.UTF-8";

// The locale is compiled once into the build folder (locales may not be
// installed): glibc finds it there through LOCPATH.
bool useCommaLocale()
{
    const fs::path folder = fs::path(FERLOW_FAULTS_BINARY_DIR) / "locales";
    if (!fs::exists(folder / kLocale)) {
        fs::create_directories(folder);
        const std::string command = "localedef -i de_DE -f UTF-8 '" + (folder / kLocale).string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !fs::exists(folder / kLocale)) return false;
    }
    ::setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(LC_ALL, kLocale) != nullptr;
}

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!useCommaLocale()) GTEST_SKIP() << "cannot make the " << kLocale << " locale (localedef, locales)";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

// Printf-made texts once aborted the start-up here: the percentages looked for
// a '.' that was no longer written (std::out_of_range, status 134 for the real
// game).
TEST_F(CommaLocale, TheMachineStartsAndReadsAmountsWithAPoint)
{
    test::FakeHost host;
    Machine m(host);
    ASSERT_NO_THROW(test::startGame(m));
    EXPECT_NE(m.hsc.Lblp[0].caption.text().find('.'), std::string::npos) << m.hsc.Lblp[0].caption.text();
    EXPECT_EQ(amountValue("2.5"), 2.5);
    test::playTurn(m, 4, 2, "2.5");
    EXPECT_EQ(m.state.credit, 30 + 2.5 * 7);
}

}  // namespace
}  // namespace ferlow::faults
