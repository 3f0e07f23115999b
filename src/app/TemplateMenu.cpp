#include "TemplateMenu.h"

#include "Dialogs.h"
#include "PdfTemplate.h"
#include "PrinterSurface.h"
#include "Texts.h"
#include "frmPaginaPlantilla.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

TemplateMenu::TemplateMenu(QMenu *menu, QAction *choose, QAction *remove, Services services, QWidget *window)
    : QObject(window), mnuPlantilla(choose), mnuSinPlantilla(remove), m_services(std::move(services)),
      m_window(window)
{
    Texts::bindCaption(mnuPlantilla, 5000);
    Texts::bindCaption(mnuSinPlantilla, 5001);
    connect(mnuPlantilla, &QAction::triggered, this, &TemplateMenu::choose);
    connect(mnuSinPlantilla, &QAction::triggered, this, &TemplateMenu::remove);
    // Opening or starting a job changes the template too: the menu shows it as it is now.
    connect(menu, &QMenu::aboutToShow, this, &TemplateMenu::refresh);
    refresh();
}

void TemplateMenu::refresh()
{
    const auto &current = m_services.printer.pdfTemplate();
    mnuSinPlantilla->setEnabled(current.has_value());
    mnuPlantilla->setStatusTip(
        current ? QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(current->file)).arg(current->page)
                : QString());
}

void TemplateMenu::choose()
{
    const auto &current = m_services.printer.pdfTemplate();
    const QString folder = current ? QFileInfo(current->file).absolutePath() : m_services.folder;
    const QString chosen =
        m_services.dialogs.openFileName({Texts::text(5015), folder, QStringLiteral("*.pdf"),
                                         Texts::text(5016) + QStringLiteral("|*.pdf"), QString(), false});
    if (chosen.isEmpty())
        return;
    PdfTemplate page{QFileInfo(chosen).absoluteFilePath(), 1};
    // A file that cannot serve is said now, and the job keeps the template it had.
    const PdfTemplates::Inspection found = PdfTemplates::inspect(page);
    if (!found.usable()) {
        m_services.dialogs.message(found.problem, QStringLiteral("Tessarino"), Dialogs::Icon::Exclamation);
        return;
    }
    if (found.pages > 1) {
        frmPaginaPlantilla ask(QFileInfo(chosen).fileName(), found.pages,
                               current && current->file == page.file ? current->page : 1, m_window,
                               page.file);
        if (ask.exec() != QDialog::Accepted)
            return;
        page.page = ask.page();
    }
    if (current == page)
        return;
    m_services.printer.setPdfTemplate(page);
    m_services.markModified();
    refresh();
}

void TemplateMenu::remove()
{
    if (!m_services.printer.pdfTemplate())
        return;
    m_services.printer.setPdfTemplate(std::nullopt);
    m_services.markModified();
    refresh();
}
