#include "engine/help_page.h"

#include <string_view>

namespace ferlow::help {
namespace {

// The text without its markup: bold marks go, a ball and the blank after it
// go (the words beside it say its colour), a line break becomes a blank.
std::string withoutMarkup(std::string_view text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, 2) == "**") {
            i += 2;
        } else if (text[i] == '[' && text.find(']', i) != std::string_view::npos) {
            i = text.find(']', i) + 1;
            if (i < text.size() && text[i] == ' ') ++i;
        } else {
            plain += text[i] == '\n' ? ' ' : text[i];
            ++i;
        }
    }
    return plain;
}

}  // namespace

std::string spokenText()
{
    std::string text = std::string(kTitle) + ". " + kTagline;
    for (const Section& section : kSections)
        text += std::string("\n") + section.title + ". " + withoutMarkup(section.text);
    return text;
}

}  // namespace ferlow::help
