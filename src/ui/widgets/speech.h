// What a screen reader says for a control: its accessible name and description,
// written from the models as the views sync. They are set only when they change,
// so a sync raises no name-changed events for a reader to repeat.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

namespace ferlow::ui {

struct Spoken {
    QString name;
    QString description;
};

// A caption as it is read aloud: access-key marks dropped ("1&00" reads "100",
// "&&" stays one "&"), runs of spaces and line breaks made single spaces.
QString spokenCaption(const std::string& caption);

// A caption laid out in columns with runs of blanks ("4 Out of 4  425"): each
// run of two or more blanks is read as a pause, ", ".
QString spokenColumns(const std::string& caption);

// A tooltip or other text as it is read aloud: whitespace tidied.
QString spokenText(const std::string& text);

void speak(QWidget* widget, const Spoken& spoken);
void speakName(QWidget* widget, const QString& name);
void speakDescription(QWidget* widget, const QString& description);

}  // namespace ferlow::ui
