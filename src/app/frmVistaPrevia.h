#pragma once

#include "PdfTemplate.h"

#include <QDialog>
#include <memory>
#include <optional>

class JobSheets;
class PrinterSurface;
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

private:
    void goToTyped();
    void redraw();

    std::unique_ptr<JobSheets> m_sheets;
    QSizeF m_sheetTwips;
    QRectF m_printable;
    int32_t m_printerZoom;
    std::optional<PdfTemplate> m_template;
    qint64 m_sheet = 0;
    int m_zoom = 100;
    QScrollArea *m_scroll = nullptr;
};
