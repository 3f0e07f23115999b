// The main window's Lenguaje menu and captions.
#include "InterfaceLanguage.h"
#include "frmPrincipal.h"
#include "ui_frmPrincipal.h"

#include <QEvent>
#include <utility>

void frmPrincipal::setUpLanguage()
{
    m_language = new InterfaceLanguage(this, {ui->mnuEspañol, ui->mnuFrances, ui->mnuItaliano, ui->mnuIngles},
                                       m_context.resources, m_context.profiles, m_context.dialogs,
                                       m_languageLoaded, this);
    // The entries are checkable, so a click has already flipped the mark; the command decides it.
    // One plain lambda per entry, holding copies only: the gcc build of a lambda made inside
    // another one, capturing `this`, read outside its stack frame (AddressSanitizer).
    using Click = void (InterfaceLanguage::*)();
    const std::pair<QAction *, Click> entries[] = {
        {ui->mnuEspañol, &InterfaceLanguage::mnuEspanol_Click},
        {ui->mnuIngles, &InterfaceLanguage::mnuIngles_Click},
        {ui->mnuItaliano, &InterfaceLanguage::mnuItaliano_Click},
        {ui->mnuFrances, &InterfaceLanguage::mnuFrances_Click},
    };
    for (const auto &[action, command] : entries) {
        connect(action, &QAction::triggered, this,
                [language = m_language, entry = action, click = command](bool checked) {
                    entry->setChecked(!checked);
                    (language->*click)();
                });
    }
}

void frmPrincipal::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The status line's text from before is worded again when it still shows.
        const bool showsPrintedFile = !m_printedFile.isEmpty() && ui->lblEstado->text() == m_printedFileText;
        ui->retranslateUi(this);
        if (showsPrintedFile)
            showPrintedFileName();
    }
    QMainWindow::changeEvent(event);
}
