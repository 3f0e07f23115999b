#pragma once

#include "PdfTemplate.h"
#include "PrinterCalibration.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class JobSheets;
class PrinterSurface;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;

// The print preview: the current job's sheets on the current printer's paper, one at a time and
// drawn only when shown, so a job of any length opens at once.
class frmVistaPrevia final : public QDialog
{
    Q_OBJECT

public:
    frmVistaPrevia(std::unique_ptr<JobSheets> sheets, const PrinterSurface &printer, QWidget *owner);
    ~frmVistaPrevia() override;

    qint64 sheet() const { return m_sheet; } // from 0
    int zoomPercent() const { return m_zoom; }
    void showSheet(qint64 sheet);
    void setZoom(int percent);
    // The sheet on screen at `dotsPerInch`, as the printer would put it on paper.
    QImage render(qint64 sheet, double dotsPerInch) const;

    QToolButton *cmdPrimera = nullptr;
    QToolButton *cmdAnterior = nullptr;
    QToolButton *cmdSiguiente = nullptr;
    QToolButton *cmdUltima = nullptr;
    QLineEdit *txtHoja = nullptr;
    QLabel *lblTotal = nullptr;
    QComboBox *cboZoom = nullptr;
    QLabel *imgHoja = nullptr;
    QLabel *lblBloque = nullptr;             // the block of a pile run, marked on its first sheet
    QToolButton *cmdImprimirVista = nullptr; // shown once setPrint() gave it something to do
    QCheckBox *chkCalibrada = nullptr;       // the sheet as the chosen printer really puts it
    // `print` is told when the user asks to print from the preview; the preview closes first.
    void setPrint(std::function<void()> print);
    // The printer the run would print on and its calibration, if it has one: the check box shows
    // the sheets as that printer puts them on paper (see PageImageSurface::setLanding).
    void setCalibration(const QString &printer, std::optional<PrinterCalibration> measured);
    bool calibratedView() const;
    // "Página completa" and "Ancho de página" in the zoom list.
    static constexpr int kFitPage = -1;
    static constexpr int kFitWidth = -2;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void retranslate();
    void showBlock();
    // A band across the top of the first sheet of each block of a pile run, naming the block:
    // on screen only, never on paper.
    void markBlock(QImage &image) const;
    void goToTyped();
    // The percent that shows the sheet whole (kFitPage) or as wide as the window (kFitWidth).
    double fittedPercent() const;
    void redraw();

    std::unique_ptr<JobSheets> m_sheets;
    QSizeF m_sheetTwips;
    QRectF m_printable;
    int32_t m_printerZoom;
    std::optional<PdfTemplate> m_template;
    qint64 m_sheet = 0;
    int m_zoom = 100;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_hoja = nullptr;
    QLabel *m_zoomLabel = nullptr;
    std::function<void()> m_print;
    QString m_printerName;
    std::optional<PrinterCalibration> m_calibration;
};
