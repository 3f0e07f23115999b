#pragma once

#include "PrinterCalibration.h"

#include <QDialog>
#include <array>

class Dialogs;
class PrinterSurface;
class ProfileFiles;
class QLabel;
class QLineEdit;
class QPushButton;

// "Calibrar impresora": the four distances measured on the calibration sheet, the offset and
// scale they give, shown as they are typed, and stored for the printer on "Aceptar". Bad
// measurements are named in a message and nothing is stored.
class frmCalibracion final : public QDialog
{
public:
    frmCalibracion(const QString &printer, QSizeF paperMm, const ProfileFiles &settings, Dialogs &dialogs,
                   QWidget *owner);

    // The Impresora menu's entries, on the printer's current printer. Calibrating prints the
    // sheet first; a printer that fails shows its error and asks for nothing.
    static void calibrate(PrinterSurface &printer, const ProfileFiles &settings, Dialogs &dialogs,
                          QWidget *owner);
    static void removeCalibration(PrinterSurface &printer, const ProfileFiles &settings, Dialogs &dialogs);

    // In the order of PrinterCalibration::Box.
    std::array<QLineEdit *, 4> txtMedida{};
    QLabel *lblResultado = nullptr;
    QPushButton *cmdAceptar = nullptr;
    QPushButton *cmdCancelar = nullptr;

    void accept() override;

private:
    PrinterCalibration::Outcome outcome() const;
    void refresh();

    QString m_printer;
    QSizeF m_paperMm;
    const ProfileFiles &m_settings;
    Dialogs &m_dialogs;
    QLabel *m_intro = nullptr;
};
