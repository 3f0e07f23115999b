// The main window's print preview entry; the drawing lives in printer/ and engine/.
#include "CalibrationSettings.h"
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
    connect(ui->mnuVistaPrevia, &QAction::triggered, this, &frmPrincipal::showPreview);
}

void frmPrincipal::showPreview()
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
        const QList<PrinterInfo> printers = m_context.printer.printers();
        const int current = m_context.printer.currentPrinterIndex();
        if (current >= 0 && current < printers.size()) {
            const QString name = printers.at(current).deviceName;
            preview.setCalibration(name, CalibrationSettings::read(m_context.profiles, name));
        }
        preview.setPrint([&print] { print = true; });
        preview.exec();
        if (print)
            page == 0 ? printSameNumbers() : printDistinctNumbers();
    } catch (const RuntimeError &error) { // a printer that cannot tell its paper
        m_context.dialogs.message(error.description(), QStringLiteral("Tessarino"), Dialogs::Icon::Critical);
    }
}
