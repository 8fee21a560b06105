#include "ui/widgets/speech.h"

#include <QRegularExpression>
#include <QStringList>

namespace ferlow::ui {

QString spokenCaption(const std::string& caption)
{
    const QString text = QString::fromStdString(caption);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            // "&&" is a literal ampersand; a single one marks the access key.
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out.simplified();
}

QString spokenColumns(const std::string& caption)
{
    // Compiled once: panels are read anew at every sync, thousands of times a
    // second while winnings are counted.
    static const QRegularExpression kColumnGap("\\s{2,}");
    QStringList columns;
    for (const QString& column : QString::fromStdString(caption).split(kColumnGap)) {
        const QString spoken = spokenCaption(column.toStdString());
        if (!spoken.isEmpty()) columns << spoken;
    }
    return columns.join(", ");
}

QString spokenText(const std::string& text) { return QString::fromStdString(text).simplified(); }

void speakName(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

void speakDescription(QWidget* widget, const QString& description)
{
    if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

void speak(QWidget* widget, const Spoken& spoken)
{
    speakName(widget, spoken.name);
    speakDescription(widget, spoken.description);
}

}  // namespace ferlow::ui
