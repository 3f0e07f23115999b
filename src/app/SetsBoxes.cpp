#include "SetsBoxes.h"

#include "Texts.h"

#include <QLabel>
#include <QLineEdit>
#include <functional>

namespace {

// The captions of a box the form built, in the interface language.
QLineEdit *translated(const SetsBoxes::Box &box)
{
    Texts::bindCaption(box.caption, 1041);
    QLineEdit *edit = box.edit;
    Texts::follow(edit, [edit] { edit->setToolTip(Texts::text(1042)); });
    return edit;
}

} // namespace

SetsBoxes::SetsBoxes(Box page0, Box page1, std::function<void()> modified, QObject *owner) : QObject(owner)
{
    txtJuegos = translated(page0);
    txtJuegos2 = translated(page1);
    for (QLineEdit *box : {txtJuegos, txtJuegos2})
        connect(box, &QLineEdit::textChanged, this, [modified] { modified(); });
}

void SetsBoxes::reset()
{
    txtJuegos->setText(QStringLiteral("1"));
    txtJuegos2->setText(QStringLiteral("1"));
}
