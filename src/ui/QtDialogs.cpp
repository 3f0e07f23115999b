#include "QtDialogs.h"

#include "VbColor.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

QMessageBox::Icon toQtIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int QtDialogs::message(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    QMessageBox box(toQtIcon(icon), title, text, QMessageBox::NoButton, m_parent);
    switch (buttons) {
    case Buttons::Ok:
        box.addButton(QCoreApplication::translate("QtDialogs", "Aceptar"), QMessageBox::AcceptRole);
        box.exec();
        return Ok;
    case Buttons::OkCancel: {
        auto *ok =
            box.addButton(QCoreApplication::translate("QtDialogs", "Aceptar"), QMessageBox::AcceptRole);
        box.setEscapeButton(
            box.addButton(QCoreApplication::translate("QtDialogs", "Cancelar"), QMessageBox::RejectRole));
        box.exec();
        return box.clickedButton() == ok ? Ok : Cancel;
    }
    case Buttons::YesNo:
    case Buttons::YesNoCancel: {
        auto *yes = box.addButton(QCoreApplication::translate("QtDialogs", "&Sí"), QMessageBox::YesRole);
        auto *no = box.addButton(QCoreApplication::translate("QtDialogs", "&No"), QMessageBox::NoRole);
        QAbstractButton *cancel = nullptr;
        if (buttons == Buttons::YesNoCancel)
            cancel =
                box.addButton(QCoreApplication::translate("QtDialogs", "Cancelar"), QMessageBox::RejectRole);
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

int QtDialogs::choose(const QString &text, const QString &title, Icon icon, const QStringList &choices)
{
    QMessageBox box(toQtIcon(icon), title, text, QMessageBox::NoButton, m_parent);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices)
        buttons << box.addButton(choice, QMessageBox::ActionRole);
    if (!buttons.isEmpty()) {
        // Return, Escape and closing give the harmless answer.
        box.setDefaultButton(static_cast<QPushButton *>(buttons.constLast()));
        box.setEscapeButton(buttons.constLast());
        // The others wait a moment before they take a click: a box that opens under the pointer
        // (after a window closed by "Cancelar") must not take a second click meant for that window.
        for (qsizetype i = 0; i + 1 < buttons.size(); ++i)
            buttons[i]->setEnabled(false);
        QTimer::singleShot(kDeliberateMs, &box, [&buttons] {
            for (QAbstractButton *button : buttons)
                button->setEnabled(true);
        });
    }
    box.exec();
    const qsizetype pressed = buttons.indexOf(box.clickedButton());
    return int(pressed >= 0 ? pressed : choices.size() - 1);
}

int32_t QtDialogs::chooseColor()
{
    // The dialog is not preset; whatever way it closes, the last colour chosen in it counts.
    QColorDialog dialog(m_parent);
    if (dialog.exec() == QDialog::Accepted)
        m_lastColor = VbColor::fromQColor(dialog.selectedColor());
    return m_lastColor;
}

QStringList QtDialogs::nameFilters(const QString &filter)
{
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            const QString p = pattern.trimmed();
            const qsizetype dot = p.lastIndexOf(u'.');
            patterns << p;
            if (dot < 0 || p.mid(dot + 1).contains(u'*'))
                continue;
            const QString ext = p.mid(dot + 1);
            for (const QString &variant :
                 {ext.left(1).toUpper() + ext.mid(1).toLower(), ext.toUpper(), ext.toLower()})
                if (!patterns.contains(p.left(dot + 1) + variant))
                    patterns << p.left(dot + 1) + variant;
        }
        result << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return result;
}

namespace {

QString runFileDialog(QWidget *parent, const Dialogs::FileRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, request.folder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The description already names its patterns; the case variants stay out of sight.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setNameFilters(QtDialogs::nameFilters(request.filter));
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty() && !request.fileName.contains(u'*'))
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString chosen = dialog.selectedFiles().constFirst();
    // A native dialog may hand back the name as typed.
    if (mode == QFileDialog::AcceptSave && !request.defaultExtension.isEmpty() &&
        QFileInfo(chosen).suffix().isEmpty())
        chosen += u'.' + request.defaultExtension;
    return chosen;
}

} // namespace

QString QtDialogs::openFileName(const FileRequest &request)
{
    return runFileDialog(m_parent, request, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFileName(const FileRequest &request)
{
    return runFileDialog(m_parent, request, QFileDialog::AcceptSave);
}
