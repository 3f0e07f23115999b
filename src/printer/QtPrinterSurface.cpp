#include "QtPrinterSurface.h"

#include "PdfFileNames.h"
#include "PdfOutputFile.h"
#include "RuntimeError.h"
#include "TemplateImage.h"
#include "TemplateOverlay.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {

RuntimeError printerError(const QString &description)
{
    return {RuntimeError::PrinterError, description};
}

const QString kJobName = QStringLiteral("Tessarino");

} // namespace

QtPrinterSurface::QtPrinterSurface(QString pdfOutputFolder)
    : m_pdfFolder(std::move(pdfOutputFolder)), m_queues(QPrinterInfo::availablePrinterNames())
{
    const QString preferred = QPrinterInfo::defaultPrinterName();
    m_current = m_queues.isEmpty() ? pdfPrinterIndex() : qMax(0, int(m_queues.indexOf(preferred)));
    createPrinter();
}

QtPrinterSurface::~QtPrinterSurface()
{
    // A document left open by a stopped run is kept as far as it went, as a printer would.
    if (m_pdfWriter)
        finishPdf();
    else if (m_painter.isActive())
        m_painter.end();
}

QList<PrinterInfo> QtPrinterSurface::printers() const
{
    QList<PrinterInfo> list;
    for (const QString &name : m_queues) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        list.append({name, info.makeAndModel(), deviceUri(name, info.location())});
    }
    list.append({QStringLiteral("Tessarino PDF"), QStringLiteral("PDF"), m_pdfFolder});
    return list;
}

void QtPrinterSurface::setCurrentPrinter(int index)
{
    if (index < 0 || index > pdfPrinterIndex())
        throw RuntimeError::invalidPropertyValue();
    if (index == m_current)
        return;
    // A document under way on the old printer is handed over as it stands.
    const bool ending = m_painter.isActive();
    forgetDocument();
    if (ending)
        deviceEndDocument();
    m_parts = {};
    m_device = {};
    m_pageOps.clear();
    const int orientation = deviceOrientation();
    m_current = index;
    createPrinter();
    deviceSetOrientation(orientation);
    resetScale();
}

void QtPrinterSurface::createPrinter()
{
    if (pdfPrinterCurrent()) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setFullPage(true);
        m_printer->setPageMargins(QMarginsF(0, 0, 0, 0));
        m_printer->setCreator(QStringLiteral("Tessarino"));
    } else {
        m_printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(m_queues.at(m_current)),
                                               QPrinter::HighResolution);
        adoptQueueResolution(*m_printer, m_queues.at(m_current));
    }
    m_printer->setDocName(kJobName);
}

QSizeF QtPrinterSurface::printableTwips() const
{
    // Millimetres keep two exact decimals for both metric and inch paper; inches would not.
    const QRectF mm = m_printer->pageLayout().paintRect(QPageLayout::Millimeter);
    return {std::round(mm.width() * 1440 / 25.4), std::round(mm.height() * 1440 / 25.4)};
}

QRectF QtPrinterSurface::printableAreaTwips() const
{
    const QRectF mm = m_printer->pageLayout().paintRect(QPageLayout::Millimeter);
    const QSizeF size = printableTwips();
    return {std::round(mm.left() * 1440 / 25.4), std::round(mm.top() * 1440 / 25.4), size.width(),
            size.height()};
}

int QtPrinterSurface::deviceOrientation() const
{
    return m_printer->pageLayout().orientation() == QPageLayout::Landscape ? Landscape : Portrait;
}

void QtPrinterSurface::deviceSetOrientation(int orientation)
{
    const auto wanted = orientation == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!m_printer->setPageOrientation(wanted))
        throw printerError(QCoreApplication::translate("QtPrinterSurface",
                                                       "La impresora no admite esa orientación de página."));
    if (m_pdfWriter) // from the next sheet on, as on a printer
        m_pdfWriter->setPageOrientation(wanted);
}

void QtPrinterSurface::deviceBeginDocument()
{
    checkQueueStillThere();
    m_documentTemplate = pdfTemplate();
    m_templateImage = QImage();
    if (m_documentTemplate) {
        // Checked again here: the file may have changed since the check before the run.
        const PdfTemplates::Inspection found = PdfTemplates::inspect(*m_documentTemplate);
        if (!found.usable())
            throw printerError(found.problem);
        m_templatePoints = found.points;
    }
    if (pdfPrinterCurrent())
        beginPdf();
    else if (!m_painter.begin(m_printer.get()))
        throw printerError(QCoreApplication::translate("QtPrinterSurface", "No se puede imprimir en \"%1\".")
                               .arg(m_queues.at(m_current)));
    m_painting.forgetStyle();
    applyTransform();
    drawTemplate();
}

// Every sheet gets the template first, under the numbers, at the paper's top-left corner at its
// own size. The PDF printer draws a placeholder that finishing the file turns into the page as
// vector content, stored once. A queue gets the page as one picture, rendered once per document
// at the printer's resolution (at most kTemplateDpi) and stored once in the job Qt sends.
void QtPrinterSurface::drawTemplate()
{
    if (!m_documentTemplate)
        return;
    QSizeF twips = m_templatePoints * 20;
    const QImage *picture = &PdfTemplates::placeholder();
    if (!m_pdfWriter) {
        if (m_templateImage.isNull()) {
            QString problem;
            m_templateImage = PdfTemplates::image(*m_documentTemplate,
                                                  qMin(m_printer->resolution(), kTemplateDpi), &problem);
            if (m_templateImage.isNull())
                throw printerError(Texts::text(5011).arg(m_documentTemplate->file, problem));
        }
        picture = &m_templateImage;
        const qreal twipsPerDot = 1440.0 * 1000 / qRound(m_templateImage.dotsPerMeterX() * 0.0254 * 1000);
        twips = QSizeF(m_templateImage.width(), m_templateImage.height()) * twipsPerDot;
    }
    // The printer's zoom scales the numbers, not the design; its calibration moves both, since
    // the printer shifts the design as much as the numbers.
    const QRectF printable = printableAreaTwips();
    const qreal perTwip = m_painter.device()->logicalDpiX() / 1440.0;
    m_painter.save();
    m_painter.setWorldTransform(calibration() * QTransform::fromScale(perTwip, perTwip));
    m_painter.drawImage(QRectF(QPointF(-printable.left(), -printable.top()), twips), *picture);
    m_painter.restore();
}

// The PDF goes through a file of our own rather than QPrinter's: QPrinter drops write errors and
// reports a truncated file as printed.
void QtPrinterSurface::beginPdf()
{
    m_currentPdf = PdfFileNames::next(m_pdfFolder);
    auto file = std::make_unique<PdfOutputFile>(m_currentPdf);
    if (!file->create())
        throw printerError(
            QCoreApplication::translate("QtPrinterSurface", "No se puede crear el archivo PDF \"%1\": %2.")
                .arg(m_currentPdf, file->failure()));
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setResolution(m_printer->resolution());
    writer->setPageLayout(m_printer->pageLayout());
    writer->setTitle(m_printer->docName());
    writer->setCreator(m_printer->creator());
    if (!m_painter.begin(writer.get()))
        throw printerError(
            QCoreApplication::translate("QtPrinterSurface", "No se puede crear el archivo PDF \"%1\".")
                .arg(m_currentPdf));
    m_pdfFile = std::move(file);
    m_pdfWriter = std::move(writer);
}

QString QtPrinterSurface::finishPdf()
{
    m_painter.end();
    m_pdfWriter.reset();
    QString reason;
    if (!m_pdfFile->finish()) {
        reason = m_pdfFile->failure();
        m_pdfFile->discard();
    }
    m_pdfFile.reset();
    return reason;
}

void QtPrinterSurface::failPdf(const QString &reason)
{
    // Nothing more can go into this file: the next drawing starts a fresh document.
    if (m_pdfWriter) {
        m_painter.end();
        m_pdfWriter.reset();
        m_pdfFile.reset(); // an unfinished file removes itself
    }
    forgetDocument();
    throw printerError(QCoreApplication::translate("QtPrinterSurface",
                                                   "No se pudo guardar el archivo PDF \"%1\": %2. "
                                                   "El archivo incompleto se ha borrado.")
                           .arg(m_currentPdf, reason));
}

void QtPrinterSurface::applyTransform()
{
    // The zoom scales the job; the printer's calibration then moves it to where it must be sent.
    const qreal perTwip = m_painter.device()->logicalDpiX() / 1440.0;
    const qreal zoom = m_device.zoom / 100.0;
    m_painter.setWorldTransform(QTransform::fromScale(zoom, zoom) * calibration() *
                                QTransform::fromScale(perTwip, perTwip));
}

void QtPrinterSurface::applyStyle()
{
    m_painting.applyStyle(m_painter, font(), penColor(), styleGeneration());
}

void QtPrinterSurface::deviceNewPage()
{
    repeatSheetForCopies();
    if (m_parts.count > 0 && ++m_parts.sheetsInPart == m_sheetsPerJob && m_parts.current < m_parts.count)
        startNextPart();
    else
        breakSheet();
    applyTransform();
}

// Starts the next sheet on whichever device draws the document.
void QtPrinterSurface::breakSheet()
{
    if (m_pdfWriter) {
        // The finished sheet is written out now; a run on a full disk stops at the first that fails.
        if (!m_pdfWriter->newPage() || m_pdfFile->failed())
            failPdf(m_pdfFile->failed()
                        ? m_pdfFile->failure()
                        : QCoreApplication::translate("QtPrinterSurface", "error al escribir la hoja"));
    } else if (!m_printer->newPage()) {
        throw printerError(
            QCoreApplication::translate("QtPrinterSurface", "La impresora no pudo empezar una hoja nueva."));
    }
    drawTemplate();
}

void QtPrinterSurface::deviceDrawText(const QPointF &topLeftTwips, const QString &text)
{
    applyStyle();
    recordOp({true, topLeftTwips, {}, text, font(), penColor(), false, {}});
    m_painting.text(m_painter, topLeftTwips, text);
}

void QtPrinterSurface::deviceLine(const QPointF &from, const QPointF &to, const QColor &color, bool box)
{
    applyStyle();
    recordOp({false, from, to, {}, {}, color, box, {}});
    SheetPainting::line(m_painter, from, to, color, box);
}

void QtPrinterSurface::deviceFill(const QPointF &topLeft, const QList<QRectF> &shapes, const QColor &color)
{
    recordOp({false, topLeft, {}, {}, {}, color, false, shapes});
    m_painting.fill(m_painter, topLeft, shapes, color);
}

void QtPrinterSurface::deviceEndDocument()
{
    repeatSheetForCopies();
    if (!m_pdfWriter) {
        const QString refused = endQueueJob();
        if (m_parts.tracked) {
            if (!refused.isEmpty())
                failPart(refused);
            ++m_parts.sheetsInPart; // the sheet the end of the document closes
            spoolPart();
            waitForPrinter(0);
            m_parts = {};
            setJobTitle(jobName());
            return;
        }
        if (m_parts.count > 0 && !refused.isEmpty())
            failPart(refused);
        m_parts = {};
        setJobTitle(jobName());
        if (refused.isEmpty())
            return;
        checkQueueStillThere();
        throw printerError(QCoreApplication::translate("QtPrinterSurface",
                                                       "La impresora \"%1\" %2: el documento no se imprimió.")
                               .arg(queueName(), refused));
    }
    if (const QString reason = finishPdf(); !reason.isEmpty())
        failPdf(reason);
    if (m_documentTemplate) {
        if (const QString reason = PdfTemplates::overlay(m_currentPdf, *m_documentTemplate);
            !reason.isEmpty()) {
            QFile::remove(m_currentPdf); // sheets without their design are not the print asked for
            forgetDocument();
            throw printerError(Texts::text(5010).arg(m_currentPdf, reason));
        }
    }
    m_lastPdf = m_currentPdf;
    if (m_onFinished)
        m_onFinished(m_lastPdf);
}

bool QtPrinterSurface::deviceDiscardDocument()
{
    m_pageOps.clear();
    if (m_pdfWriter) {
        m_painter.end();
        m_pdfWriter.reset();
        m_pdfFile.reset(); // an unfinished file removes itself
        return true;
    }
    // A queue's job goes out as its painter ends: only one its engine takes back is dropped.
    if (!m_printer->abort())
        return false;
    if (m_painter.isActive())
        m_painter.end();
    m_parts = {};
    setJobTitle(jobName());
    return true;
}
