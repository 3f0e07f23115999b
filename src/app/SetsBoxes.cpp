#include "SetsBoxes.h"

#include "Texts.h"

#include <QLabel>
#include <QLineEdit>
#include <functional>

namespace {

QLineEdit *setsBox(QWidget *page, const char *name, const QRect &label, const QRect &box)
{
    auto *caption = new QLabel(QStringLiteral("Juegos:"), page);
    caption->setObjectName(QString::fromLatin1(name) + QStringLiteral("_lbl"));
    caption->setGeometry(label);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Texts::bindCaption(caption, 1041);
    auto *edit = new QLineEdit(QStringLiteral("1"), page);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(box);
    edit->setMaxLength(2);
    edit->setToolTip(QStringLiteral("Veces seguidas que se imprime cada hoja (talonarios con copias: 1 a 10)"));
    Texts::follow(edit, [edit] {
        edit->setToolTip(Texts::text(1042, QStringLiteral("Veces seguidas que se imprime cada hoja (talonarios "
                                                          "con copias: 1 a 10)")));
    });
    caption->setBuddy(edit);
    return edit;
}

} // namespace

SetsBoxes::SetsBoxes(QWidget *page0, QWidget *page1, std::function<void()> modified, QObject *owner)
    : QObject(owner)
{
    // Page 0: under the Desde/Hasta frame, left of the page's buttons. Page 1: right of
    // "imprimir vertical", above the buttons.
    txtJuegos = setsBox(page0, "txtJuegos", QRect(6, 170, 60, 18), QRect(70, 168, 30, 22));
    txtJuegos2 = setsBox(page1, "txtJuegos2", QRect(136, 146, 50, 18), QRect(190, 144, 30, 20));
    for (QLineEdit *box : {txtJuegos, txtJuegos2})
        connect(box, &QLineEdit::textChanged, this, [modified] { modified(); });
}

void SetsBoxes::reset()
{
    txtJuegos->setText(QStringLiteral("1"));
    txtJuegos2->setText(QStringLiteral("1"));
}
