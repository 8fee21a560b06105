#include "layout_check.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace ferlow::test {
namespace {

QString describe(const QWidget* w, const QString& text, const QString& problem)
{
    return QString("%1 \"%2\": %3").arg(w->objectName(), text, problem);
}

// The room QLabel gives its text: the contents less the margin and the indent on
// the side the text is aligned to.
QRect labelRoom(const QLabel* label)
{
    QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0) indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0) {
        const Qt::Alignment a = label->alignment();
        if (a & Qt::AlignLeft) room.setLeft(room.left() + indent);
        if (a & Qt::AlignRight) room.setRight(room.right() - indent);
    }
    return room;
}

void checkLabel(const QLabel* label, QStringList& out)
{
    const QString text = label->text();
    if (text.isEmpty()) return;
    const QRect room = labelRoom(label);
    const QFontMetrics fm = label->fontMetrics();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = fm.boundingRect(room, flags, text);
    if (needed.width() > room.width())
        out << describe(label, text, QString("%1 px wide, room %2").arg(needed.width()).arg(room.width()));
    if (needed.height() > room.height())
        out << describe(label, text, QString("%1 px high, room %2").arg(needed.height()).arg(room.height()));
}

void checkButton(const QPushButton* button, QStringList& out)
{
    const QString text = button->text();
    if (text.isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    const QFontMetrics fm = button->fontMetrics();
    const QSize textSize = fm.size(Qt::TextShowMnemonic, text);
    const QSize needed = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, textSize, button);
    // The style's padding is generous; the text itself must fit inside the bevel.
    const QSize room = button->size() - QSize(8, 4);
    if (textSize.width() > room.width() || textSize.height() > room.height())
        out << describe(button, text,
                        QString("needs %1x%2, room %3x%4 (style asks %5x%6)")
                            .arg(textSize.width())
                            .arg(textSize.height())
                            .arg(room.width())
                            .arg(room.height())
                            .arg(needed.width())
                            .arg(needed.height()));
}

void checkField(const QLineEdit* field, QStringList& out)
{
    const QFontMetrics fm = field->fontMetrics();
    const int room = field->height() - 4;
    if (fm.height() > room)
        out << describe(field, field->text(), QString("line %1 px, room %2").arg(fm.height()).arg(room));
    const int wide = fm.horizontalAdvance(field->text());
    if (wide > field->width() - 6)
        out << describe(field, field->text(), QString("%1 px wide, room %2").arg(wide).arg(field->width() - 6));
}

}  // namespace

QStringList clippedTexts(const QWidget* window)
{
    QStringList out;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->isWindow()) continue;
        const QWidget* parent = w->parentWidget();
        if (parent && !parent->rect().contains(w->geometry()))
            out << QString("%1 lies outside %2").arg(w->objectName(), parent->objectName());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            checkLabel(label, out);
        else if (const auto* button = qobject_cast<const QPushButton*>(w))
            checkButton(button, out);
        else if (const auto* field = qobject_cast<const QLineEdit*>(w))
            checkField(field, out);
    }
    return out;
}

}  // namespace ferlow::test
