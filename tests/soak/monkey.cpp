// The monkey's events. Each event is sent only where Qt would deliver it: to a
// window that is shown and not locked (the main window's close box works even
// when it is locked), to a button that is enabled.
#include "monkey.h"

#include <functional>
#include <utility>
#include <vector>

#include "engine/rules/amount_text.h"

namespace ferlow::soak {
namespace {

bool shown(const WindowState& w) { return w.loaded && w.visible; }
bool usable(const WindowState& w) { return shown(w) && w.enabled; }

const char* const kMenuNames[] = {
    "Mnugam",     "Mnupri",    "Mnuinst",   "Mnucnum",   "Mnuqp",      "Mnufour", "Mnufive",  "Mnusix",
    "Mnuseven",   "Mnueight",  "Mnunine",   "Mnuten",    "Mnusep",     "Mnusnd",  "Mnuon",    "Mnuoff",
    "Mnugtyp",    "Mnueasy",   "Mnumedium", "Mnuhard",   "Mnuhardest", "Mnungam", "Mnubar",   "Mnuxt",
    "Mnuoptions", "MnuScStyl", "MnuFast",   "MnuSlow",   "Mnustats",   "MnuDash", "Mnuhiscs", "Mnuvhsc",
    "Mnureset",   "Mnuhelp",   "Mnuabt",    "Mnusepbar", "MnuHlp",     "MnuRMe"};
static_assert(std::size(kMenuNames) == kMenuCount);

const char* const kButtonNames[] = {"Cmdbet", "CmdPlay", "Cmdexit"};
const char* const kAmountNames[] = {"Cmd5", "Cmd10", "Cmd20", "Cmd50", "Cmd100", "Cmdall"};

struct Choice {
    int weight;
    std::function<std::string()> act;
};

}  // namespace

std::string Monkey::act(bool purposeful) { return purposeful ? purposefulEvent() : randomEvent(); }

std::string Monkey::randomEvent()
{
    std::vector<Choice> choices;
    if (m_.ended()) return "nothing (the program has ended)";
    if (shown(m_.opening.window)) {
        choices.push_back({3, [this] {
                               m_.openingPlayClicked();
                               return std::string("opening Play");
                           }});
        choices.push_back({1, [this] {
                               m_.openingClosed();
                               return std::string("opening close box");
                           }});
        choices.push_back({1, [this] {
                               m_.openingLabelClicked();
                               return std::string("opening label");
                           }});
    }
    if (usable(m_.main.window)) choices.push_back({12, [this] { return mainWindowEvent(); }});
    if (shown(m_.main.window)) {
        choices.push_back({1, [this] {
                               m_.mainActivated();
                               return std::string("main activated");
                           }});
        if (chance(0.01))
            choices.push_back({1, [this] {
                                   m_.mainClosed();
                                   return std::string("main close box");
                               }});
    }
    if (usable(m_.betDialog.window)) choices.push_back({10, [this] { return betDialogEvent(); }});
    if (usable(m_.hsc.window)) choices.push_back({8, [this] { return highScoreEvent(); }});
    for (const WindowState* w :
         {&m_.prize.window, &m_.stats.window, &m_.about.window, &m_.help.window, &m_.instructions.window}) {
        if (usable(*w)) choices.push_back({3, [this] { return otherWindowEvent(); }});
    }
    if (m_.about.window.loaded && m_.about.timerRunning)
        choices.push_back({2, [this] {
                               m_.aboutTimerTick();
                               return std::string("about timer");
                           }});
    if (choices.empty()) return "nothing (no window takes input)";

    int total = 0;
    for (const Choice& c : choices) total += c.weight;
    int pick = below(total);
    for (const Choice& c : choices) {
        if (pick < c.weight) return c.act();
        pick -= c.weight;
    }
    return choices.back().act();
}

std::string Monkey::mainWindowEvent()
{
    switch (below(18)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: {
        const int p = below(kBoardNumbers);
        m_.numberPressed(p);
        return "press number " + std::to_string(p + 1);
    }
    case 6:
    case 7: {
        const int p = below(kBoardNumbers);
        m_.markerPressed(p);
        return "press the ball on " + std::to_string(p + 1);
    }
    case 8:
    case 9:
    case 10: {
        const auto b = static_cast<CommandButton>(below(3));
        const char* name = kButtonNames[static_cast<int>(b)];
        Button& button = b == CommandButton::Cmdbet    ? m_.main.Cmdbet
                         : b == CommandButton::CmdPlay ? m_.main.CmdPlay
                                                       : m_.main.Cmdexit;
        if (!button.enabled) return std::string(name) + " (disabled: no event)";
        m_.commandDown(b);
        m_.commandUp(b);
        if (chance(0.2)) return std::string(name) + " pressed and released outside";
        m_.commandClicked(b);
        return std::string("click ") + name;
    }
    case 11:
    case 12:
    case 13: {
        const auto item = static_cast<Menu>(below(static_cast<int>(kMenuCount)));
        m_.menuClicked(item);
        return std::string("menu ") + kMenuNames[static_cast<int>(item)];
    }
    case 14: {
        const Menu menus[] = {Menu::Mnugam,     Menu::Mnuqp,     Menu::Mnusnd,   Menu::Mnugtyp,
                              Menu::Mnuoptions, Menu::MnuScStyl, Menu::Mnuhiscs, Menu::Mnuhelp};
        const Menu menu = menus[below(8)];
        m_.menuOpened(menu);
        return std::string("open menu ") + kMenuNames[static_cast<int>(menu)];
    }
    case 15:
    case 16: {
        m_.menuOpened(Menu::Mnuqp);
        if (chance(0.2)) return "open Quick Pick, choose nothing";
        const Menu count = kQuickPickItems[static_cast<std::size_t>(below(7))];
        m_.menuClicked(count);
        return std::string("Quick Pick ") + kMenuNames[static_cast<int>(count)];
    }
    default: {
        const Menu count = kQuickPickItems[static_cast<std::size_t>(below(7))];
        m_.menuClicked(count);
        return std::string("shortcut ") + kMenuNames[static_cast<int>(count)];
    }
    }
}

std::string Monkey::betText()
{
    static const char* const kTexts[] = {"",
                                         "5",
                                         "100",
                                         "101",
                                         "0",
                                         "-5",
                                         "2.5",
                                         "0.5",
                                         " 1 0",
                                         "12abc",
                                         "abc",
                                         "1e5",
                                         "+7",
                                         ".",
                                         "-",
                                         "1.2.3",
                                         "99999999999999999999999",
                                         "1.7976931348623157e308",
                                         "  ",
                                         "\t3",
                                         "3\t",
                                         "0.0001",
                                         "1,5",
                                         "\xc3\xa9",
                                         "00010",
                                         "100.0000001",
                                         "99.99",
                                         "-0",
                                         "+.",
                                         "1 000 000"};
    switch (below(4)) {
    case 0: return kTexts[below(static_cast<int>(std::size(kTexts)))];
    case 1: return std::to_string(1 + below(std::max(1, static_cast<int>(m_.state.credit))));
    case 2: return std::to_string(below(200)) + "." + std::to_string(below(100));
    default: {
        static const char kAlphabet[] = "0123456789.+- \tabcxyz,;!";
        std::string text;
        for (int n = below(12); n > 0; --n) text += kAlphabet[below(static_cast<int>(sizeof kAlphabet - 1))];
        return text;
    }
    }
}

std::string Monkey::betDialogEvent()
{
    switch (below(13)) {
    case 0:
    case 1:
    case 2: {
        const auto amount = static_cast<BetAmount>(below(6));
        const Button* buttons[] = {&m_.betDialog.Cmd5,  &m_.betDialog.Cmd10,  &m_.betDialog.Cmd20,
                                   &m_.betDialog.Cmd50, &m_.betDialog.Cmd100, &m_.betDialog.Cmdall};
        const char* name = kAmountNames[static_cast<int>(amount)];
        if (!buttons[static_cast<int>(amount)]->enabled) return std::string(name) + " (disabled: no event)";
        m_.betAmountClicked(amount);
        return std::string("click ") + name;
    }
    case 3:
        if (!m_.betDialog.Cmdhold.enabled) return "Hold (disabled: no event)";
        m_.betHoldClicked();
        return "click Hold";
    case 4:
    case 5:
        if (!m_.betDialog.Cmdok.enabled) return "Ok (disabled: no event)";
        m_.betOkClicked();
        return "click Ok";
    case 6: {
        if (!m_.betDialog.Cmdok.enabled) return "key on Ok (disabled: no event)";
        const int key = chance(0.7) ? kEnterKey : 'a';
        m_.betOkKey(key);
        return "key " + std::to_string(key) + " on Ok";
    }
    case 7:
    case 8:
    case 9: {
        const std::string text = betText();
        m_.betTextEdited(text);
        return "amount field now \"" + text + "\"";
    }
    case 10: {
        const int key = chance(0.7) ? kEnterKey : '7';
        m_.betTextKey(key);
        return "key " + std::to_string(key) + " in the amount field";
    }
    case 11: m_.betTextMouseDown(); return "mouse down in the amount field";
    default: m_.betFrameClosed(); return "bet dialog close box";
    }
}

std::string Monkey::typeName(int place)
{
    static const int kKeys[] = {'A', 'z', 'q', 'M', '1', ' ', '-', kBackspaceKey, kEnterKey, 0xE9, 0x1F600, ','};
    const int key = kKeys[below(static_cast<int>(std::size(kKeys)))];
    const int passed = m_.hscNameKey(place, key);
    std::string text = m_.hsc.Txtnam[static_cast<std::size_t>(place - 1)].text;
    if (passed == 0) return "key " + std::to_string(key) + " in name " + std::to_string(place) + " (taken)";
    if (passed == kBackspaceKey) {
        if (!text.empty()) text.pop_back();
    } else if (text.size() < 10) {
        text += static_cast<char>(passed);
    }
    m_.hscNameEdited(place, text);
    return "key " + std::to_string(key) + " in name " + std::to_string(place);
}

std::string Monkey::highScoreEvent()
{
    const int place = 1 + below(kHighScorePlaces);
    switch (below(9)) {
    case 0:
    case 1:
    case 2: return typeName(place);
    case 3: {
        static const char* const kPastes[] = {"Anna",
                                              "J\xc3\xb6rg van Dijk",
                                              "x,y\"z",
                                              "\t\r\n",
                                              "ABCDEFGHIJKLMNOP",
                                              "",
                                              "\xf0\x9f\x98\x80\xf0\x9f\x98\x80",
                                              "  lead"};
        const std::string text = kPastes[below(static_cast<int>(std::size(kPastes)))];
        m_.hscNameEdited(place, text);
        return "paste \"" + text + "\" into name " + std::to_string(place);
    }
    case 4: m_.hscNameClicked(place); return "click name " + std::to_string(place);
    case 5:
    case 6: m_.hscCloseClicked(); return "click high-score Close";
    case 7: m_.hscFrameClosed(); return "high-score close box";
    default: m_.hscBackgroundClicked(); return "click the high-score background";
    }
}

std::string Monkey::otherWindowEvent()
{
    std::vector<std::pair<std::string, std::function<void()>>> events;
    const auto add = [&](const WindowState& w, std::string name, std::function<void()> act) {
        if (usable(w)) events.emplace_back(std::move(name), std::move(act));
    };
    add(m_.prize.window, "prize Close", [this] { m_.prizeCloseClicked(); });
    add(m_.prize.window, "Enter on prize Close", [this] { m_.prizeCloseKey(kEnterKey); });
    add(m_.prize.window, "prize close box", [this] { m_.prizeFrameClosed(); });
    add(m_.prize.window, "prize background", [this] { m_.prizeBackgroundClicked(); });
    add(m_.stats.window, "statistics Close", [this] { m_.statsCloseClicked(); });
    add(m_.stats.window, "statistics close box", [this] { m_.statsFrameClosed(); });
    add(m_.stats.window, "statistics background", [this] { m_.statsBackgroundClicked(); });
    add(m_.about.window, "about Ok", [this] { m_.aboutOkClicked(); });
    add(m_.about.window, "about close box", [this] { m_.aboutFrameClosed(); });
    add(m_.about.window, "about background", [this] { m_.aboutBackgroundClicked(); });
    add(m_.help.window, "help Close", [this] { m_.helpCloseClicked(); });
    add(m_.help.window, "help close box", [this] { m_.helpFrameClosed(); });
    add(m_.help.window, "help background", [this] { m_.helpBackgroundClicked(); });
    add(m_.instructions.window, "instructions Close", [this] { m_.instructionsCloseClicked(); });
    add(m_.instructions.window, "instructions close box", [this] { m_.instructionsFrameClosed(); });
    add(m_.instructions.window, "instructions background", [this] { m_.instructionsBackgroundClicked(); });
    if (events.empty()) return "nothing (no such window)";
    auto& [name, act] = events[static_cast<std::size_t>(below(static_cast<int>(events.size())))];
    act();
    return name;
}

// A player who wants to play: through the opening, picks, a fitting bet, Play,
// a name after a good game, and out of any window in the way.
std::string Monkey::purposefulEvent()
{
    if (m_.ended()) return "nothing (the program has ended)";
    if (shown(m_.opening.window)) {
        m_.openingPlayClicked();
        return "opening Play";
    }
    if (usable(m_.hsc.window)) {
        for (int place = 1; place <= kHighScorePlaces; ++place) {
            const TextBox& field = m_.hsc.Txtnam[static_cast<std::size_t>(place - 1)];
            if (field.enabled && field.text.empty()) {
                m_.hscNameEdited(place, "Monkey");
                return "name Monkey in place " + std::to_string(place);
            }
        }
        m_.hscCloseClicked();
        return "click high-score Close";
    }
    if (usable(m_.betDialog.window)) {
        const double value = amountValue(m_.betDialog.Txtfil.text);
        if (m_.betDialog.Cmdok.enabled && value >= 1 && value <= 100 && value <= m_.state.credit) {
            if (m_.betDialog.Cmdhold.enabled && chance(0.1)) {
                m_.betHoldClicked();
                return "click Hold";
            }
            m_.betOkClicked();
            return "click Ok";
        }
        if (chance(0.5)) {
            // Mostly small bets: a big win is counted one credit per pass.
            const int most = std::min(chance(0.8) ? 10 : 100, static_cast<int>(m_.state.credit));
            const std::string text = std::to_string(1 + below(std::max(1, most)));
            m_.betTextEdited(text);
            return "amount field now \"" + text + "\"";
        }
        const auto amount = static_cast<BetAmount>(below(6));
        m_.betAmountClicked(amount);
        return std::string("click ") + kAmountNames[static_cast<int>(amount)];
    }
    if (usable(m_.about.window)) return m_.aboutOkClicked(), "about Ok";
    if (usable(m_.help.window)) return m_.helpCloseClicked(), "help Close";
    if (usable(m_.instructions.window)) return m_.instructionsCloseClicked(), "instructions Close";
    if (!usable(m_.main.window)) return randomEvent();

    const auto click = [this](CommandButton b) {
        m_.commandDown(b);
        m_.commandUp(b);
        m_.commandClicked(b);
        return std::string("click ") + kButtonNames[static_cast<int>(b)];
    };
    if (m_.main.CmdPlay.enabled) return click(CommandButton::CmdPlay);
    if (m_.main.Cmdbet.enabled && m_.state.spots >= kMinPicks) {
        if (chance(0.15) && m_.main.item(Menu::Mnucnum).enabled) {
            m_.menuClicked(Menu::Mnucnum);
            return "menu Mnucnum";
        }
        return click(CommandButton::Cmdbet);
    }
    if (chance(0.3) && m_.main.item(Menu::Mnuqp).enabled) {
        const Menu count = kQuickPickItems[static_cast<std::size_t>(below(7))];
        m_.menuClicked(count);
        return std::string("shortcut ") + kMenuNames[static_cast<int>(count)];
    }
    std::vector<int> open;
    for (int p = 0; p < kBoardNumbers; ++p)
        if (m_.main.Lbl1[static_cast<std::size_t>(p)].enabled && !m_.main.Shp1[static_cast<std::size_t>(p)].visible)
            open.push_back(p);
    if (open.empty()) {
        m_.menuClicked(Menu::Mnucnum);
        return "menu Mnucnum";
    }
    const int p = open[static_cast<std::size_t>(below(static_cast<int>(open.size())))];
    m_.numberPressed(p);
    return "press number " + std::to_string(p + 1);
}

}  // namespace ferlow::soak
