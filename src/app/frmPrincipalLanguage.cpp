// The main window's Lenguaje menu and captions.
#include "InterfaceLanguage.h"
#include "frmPrincipal.h"
#include "ui_frmPrincipal.h"

void frmPrincipal::setUpLanguage()
{
    m_language = new InterfaceLanguage(this, {ui->mnuEspañol, ui->mnuFrances, ui->mnuItaliano, ui->mnuIngles},
                                       m_context.resources, m_context.profiles, m_context.dialogs,
                                       IdiomaCargado, this);
    // The entries are checkable, so a click has already flipped the mark; the command decides it.
    const auto command = [this](QAction *entry, void (InterfaceLanguage::*click)()) {
        connect(entry, &QAction::triggered, this, [this, entry, click](bool checked) {
            entry->setChecked(!checked);
            (m_language->*click)();
        });
    };
    command(ui->mnuEspañol, &InterfaceLanguage::mnuEspanol_Click);
    command(ui->mnuIngles, &InterfaceLanguage::mnuIngles_Click);
    command(ui->mnuItaliano, &InterfaceLanguage::mnuItaliano_Click);
    command(ui->mnuFrances, &InterfaceLanguage::mnuFrances_Click);
}

void frmPrincipal::RestaurarIdioma()
{
    m_language->RestaurarIdioma();
}
