#include "QtDialogs.h"

#include "VbColor.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon toQtIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::Exclamation: return QMessageBox::Warning;
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int QtDialogs::message(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    QMessageBox box(toQtIcon(icon), title, text, QMessageBox::NoButton, m_parent);
    switch (buttons) {
    case Buttons::Ok:
        box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        box.exec();
        return Ok;
    case Buttons::OkCancel: {
        auto *ok = box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        box.setEscapeButton(box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole));
        box.exec();
        return box.clickedButton() == ok ? Ok : Cancel;
    }
    case Buttons::YesNo:
    case Buttons::YesNoCancel: {
        auto *yes = box.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
        auto *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        QAbstractButton *cancel = nullptr;
        if (buttons == Buttons::YesNoCancel)
            cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
        box.setDefaultButton(static_cast<QPushButton *>(yes));
        box.setEscapeButton(cancel ? cancel : no);
        box.exec();
        if (box.clickedButton() == yes)
            return Yes;
        if (box.clickedButton() == no)
            return No;
        return Cancel;
    }
    }
    return Ok;
}

int32_t QtDialogs::chooseColor()
{
    // The dialog is not preset; whatever way it closes, the last colour chosen in it counts.
    QColorDialog dialog(m_parent);
    if (dialog.exec() == QDialog::Accepted)
        m_lastColor = VbColor::fromQColor(dialog.selectedColor());
    return m_lastColor;
}

QString QtDialogs::openFileName(const QString &title, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, folder, filter);
}

QString QtDialogs::saveFileName(const QString &title, const QString &folder, const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, title, folder, filter);
}
