#include "UncutText.h"

#include <QLineEdit>
#include <algorithm>

namespace {

constexpr char kTypingLimit[] = "typingLimit";

void narrowAsTyped(QLineEdit *box, const QString &typed)
{
    const int wanted = std::max(box->property(kTypingLimit).toInt(), int(typed.size()));
    if (wanted >= box->maxLength())
        return;
    // Setting the limit puts the text back and moves the cursor to its end.
    const int cursor = box->cursorPosition();
    box->setMaxLength(wanted);
    box->setCursorPosition(cursor);
}

} // namespace

void setTextUncut(QLineEdit *box, const QString &text)
{
    if (text.size() > box->maxLength()) {
        if (!box->property(kTypingLimit).isValid()) {
            box->setProperty(kTypingLimit, box->maxLength());
            QObject::connect(box, &QLineEdit::textEdited, box,
                             [box](const QString &typed) { narrowAsTyped(box, typed); });
        }
        box->setMaxLength(int(text.size()));
    }
    box->setText(text);
}
