// The main window's PDF template entries; the behaviour lives in TemplateMenu.
#include "TemplateMenu.h"
#include "frmPrincipal.h"
#include "ui_frmPrincipal.h"

void frmPrincipal::setUpTemplate()
{
    new TemplateMenu(
        ui->mnuarchivo, ui->mnuPlantilla, ui->mnuSinPlantilla,
        {m_context.dialogs, m_context.printer, m_context.paths.jobsFolder, [this] { m_jobModified = true; }},
        this);
}
