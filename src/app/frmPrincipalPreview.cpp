// The main window's print preview entry; the drawing lives in printer/ and engine/.
#include "Dialogs.h"
#include "RuntimeError.h"
#include "TemplateReady.h"
#include "frmPrincipal.h"
#include "frmVistaPrevia.h"
#include "ui_frmPrincipal.h"

#include <QAction>
#include <QMenu>

void frmPrincipal::connectPreview()
{
    auto *entry = new QAction(QStringLiteral("&Vista previa"), this);
    entry->setObjectName(QStringLiteral("mnuVistaPrevia"));
    entry->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    // Beside the entry that prints, whose Ctrl+P it resembles.
    const QList<QAction *> entries = ui->mnuarchivo->actions();
    const qsizetype print = entries.indexOf(ui->archImprimir);
    ui->mnuarchivo->insertAction(entries.value(print + 1), entry);
    connect(entry, &QAction::triggered, this, &frmPrincipal::mnuVistaPrevia_Click);
}

void frmPrincipal::mnuVistaPrevia_Click()
{
    // The run's own checks, with its messages, before anything opens.
    if (!PdfTemplates::readyToPrint(m_context.printer, m_context.dialogs, false))
        return;
    std::unique_ptr<JobSheets> sheets =
        ui->SSTab1->currentIndex() == 0
            ? sameNumberSheets(sameNumberJob(), fontChoice(), m_context.dialogs)
            : distinctNumberSheets(distinctNumberJob(), fontChoice(), m_context.dialogs);
    if (!sheets)
        return;
    try {
        const int page = ui->SSTab1->currentIndex();
        bool print = false;
        frmVistaPrevia preview(std::move(sheets), m_context.printer, this);
        preview.setPrint([&print] { print = true; });
        preview.exec();
        if (print)
            page == 0 ? cmdImprimir_Click() : Command6_Click();
    } catch (const RuntimeError &error) { // a printer that cannot tell its paper
        m_context.dialogs.message(error.description(), QStringLiteral("Tessarino"), Dialogs::Icon::Critical);
    }
}
