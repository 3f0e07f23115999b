// The main window's printer entries: the two calibration prints of the File menu, the printer
// setup dialog and the printer's calibration in the Impresora menu. The rules live in engine/
// and printer/.
#include "Dialogs.h"
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
    connect(ui->Command2, &QPushButton::clicked, this, &frmPrincipal::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &frmPrincipal::Command3_Click);
    // The menu entries run the buttons' handlers, as the buttons lie outside the window.
    connect(ui->impCuadricula, &QAction::triggered, this, &frmPrincipal::Command2_Click);
    connect(ui->impRectangulo, &QAction::triggered, this, &frmPrincipal::Command3_Click);
    connect(ui->impConfigurar, &QAction::triggered, this, &frmPrincipal::impConfigurar_Click);
    Texts::bindCaption(ui->impCalibrar, 2000);
    Texts::bindCaption(ui->impQuitarCalibracion, 2001);
    connect(ui->impCalibrar, &QAction::triggered, this, &frmPrincipal::impCalibrar_Click);
    connect(ui->impQuitarCalibracion, &QAction::triggered, this, [this] {
        if (!m_history->refusedWhilePrinting())
            frmCalibracion::removeCalibration(m_context.printer, m_context.profiles, m_context.dialogs);
    });
    connectPreview();
}

void frmPrincipal::Command2_Click()
{
    if (!m_history->refusedWhilePrinting())
        TestPrints::grid(m_context.printer, m_context.dialogs);
}

void frmPrincipal::Command3_Click()
{
    if (!m_history->refusedWhilePrinting())
        TestPrints::rectangle(txtPosX[0]->text(), txtPosY[0]->text(), m_context.printer, m_context.dialogs);
}

void frmPrincipal::impConfigurar_Click()
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
        m_context.dialogs.message(
            runtime
                ? runtime->description()
                : Texts::text(9001, QStringLiteral("No se pudo abrir la configuración de la impresora: %1"))
                      .arg(QString::fromLocal8Bit(error.what())),
            frmImpresora::kTitle, Dialogs::Icon::Critical);
    }
}

void frmPrincipal::impCalibrar_Click()
{
    if (!m_history->refusedWhilePrinting())
        frmCalibracion::calibrate(m_context.printer, m_context.profiles, m_context.dialogs, this);
}
