// The main window's printer entries: the two calibration prints of the File menu, the printer
// setup dialog and the printer's calibration in the Impresora menu. The rules live in engine/
// and printer/.
#include "Dialogs.h"
#include "JobControls.h"
#include "Logging.h"
#include "PrinterSurface.h"
#include "RunHistory.h"
#include "RuntimeError.h"
#include "TestPrints.h"
#include "Texts.h"
#include "frmCalibracion.h"
#include "frmImpresora.h"
#include "frmPrincipal.h"
#include "ui_frmPrincipal.h"

void frmPrincipal::connectPrinterEntries()
{
    for (QAction *entry : {ui->impCuadricula, ui->impRectangulo, ui->impConfigurar})
        entry->setEnabled(true);
    connect(ui->Command2, &QPushButton::clicked, this, &frmPrincipal::printGridSheet);
    connect(ui->Command3, &QPushButton::clicked, this, &frmPrincipal::printRectangleSheet);
    // The menu entries run the buttons' handlers, as the buttons lie outside the window.
    connect(ui->impCuadricula, &QAction::triggered, this, &frmPrincipal::printGridSheet);
    connect(ui->impRectangulo, &QAction::triggered, this, &frmPrincipal::printRectangleSheet);
    connect(ui->impConfigurar, &QAction::triggered, this, &frmPrincipal::openPrinterSetup);
    Texts::bindCaption(ui->impCalibrar, 2000);
    Texts::bindCaption(ui->impQuitarCalibracion, 2001);
    connect(ui->impCalibrar, &QAction::triggered, this, &frmPrincipal::calibratePrinter);
    connect(ui->impQuitarCalibracion, &QAction::triggered, this, [this] {
        if (!m_history->refusedWhilePrinting())
            frmCalibracion::removeCalibration(m_context.printer, m_context.profiles, m_context.dialogs);
    });
    connectPreview();
}

void frmPrincipal::printGridSheet()
{
    if (!m_history->refusedWhilePrinting())
        TestPrints::grid(m_context.printer, m_context.dialogs);
}

void frmPrincipal::printRectangleSheet()
{
    if (!m_history->refusedWhilePrinting())
        TestPrints::rectangle(m_job->txtPosX[0]->text(), m_job->txtPosY[0]->text(), m_context.printer,
                              m_context.dialogs);
}

void frmPrincipal::openPrinterSetup()
{
    if (m_history->refusedWhilePrinting()) // the run prints on the printer as it began
        return;
    try {
        if (m_context.printer.printers().isEmpty()) {
            m_context.dialogs.message(frmImpresora::kNoPrinters, frmImpresora::kTitle,
                                      Dialogs::Icon::Critical);
            return;
        }
        frmImpresora dialog(m_context.printer, m_context.dialogs, &m_context.profiles, this);
        dialog.exec();
    } catch (const std::exception &error) {
        qCWarning(lcPrint) << "printer setup:" << describeFailure(error);
        const auto *runtime = dynamic_cast<const RuntimeError *>(&error);
        m_context.dialogs.message(runtime ? runtime->description()
                                          : Texts::text(9001).arg(QString::fromLocal8Bit(error.what())),
                                  frmImpresora::kTitle, Dialogs::Icon::Critical);
    }
}

void frmPrincipal::calibratePrinter()
{
    if (!m_history->refusedWhilePrinting())
        frmCalibracion::calibrate(m_context.printer, m_context.profiles, m_context.dialogs, this);
}
