// The page and device settings of the real printer, kept apart from
// the drawing code. Every setter checks its value against what the printer offers before it
// touches the QPrinter, so a refused value leaves the printer exactly as it was.
#include "QtPrinterSurface.h"

#include "PrinterLimits.h"
#include "RuntimeError.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;

RuntimeError notOffered(const QString &description)
{
    return {PrinterSurface::PropertyNotSupported, description};
}

int32_t twips(double mm)
{
    return int32_t(std::lround(mm * kTwipsPerMm));
}

// Resolutions for the four quality codes where the printer lists none: draft .. high.
constexpr int kQualityDpi[4] = {150, 300, 600, 1200};

PrinterSettings settingsOf(const QPrinter &printer, int16_t qualityCode, int32_t zoom, int16_t copies)
{
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
    PrinterSettings s;
    s.width = twips(full.width());
    s.height = twips(full.height());
    s.scaleWidth = float(twips(paint.width()));
    s.scaleHeight = float(twips(paint.height()));
    const QPageSize size = layout.pageSize();
    s.paperSize = int16_t(size.id() == QPageSize::Custom || size.windowsId() <= 0 || size.windowsId() > 32767
                              ? PrinterSurface::PaperUser
                              : size.windowsId());
    s.orientation = int16_t(layout.orientation() == QPageLayout::Landscape ? PrinterSurface::Landscape
                                                                           : PrinterSurface::Portrait);
    s.colorMode = int16_t(printer.colorMode() == QPrinter::Color ? PrinterSurface::ColorColor
                                                                 : PrinterSurface::ColorMonochrome);
    s.copies = copies;
    s.printQuality = qualityCode ? qualityCode : int16_t(std::min(printer.resolution(), 32767));
    s.zoom = zoom;
    return s;
}

} // namespace

QString QtPrinterSurface::deviceUri(const QString &queue, const QString &fallback)
{
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QString uri = fallback;
    if (cups_dest_t *dest = cupsGetDest(queue.toUtf8().constData(), nullptr, count, dests)) {
        if (const char *value = cupsGetOption("device-uri", dest->num_options, dest->options))
            uri = QString::fromUtf8(value);
    }
    cupsFreeDests(count, dests);
    return uri;
}

void QtPrinterSurface::refreshPrinters()
{
    const QString current = pdfPrinterCurrent() ? QString() : m_queues.at(m_current);
    QStringList queues = QPrinterInfo::availablePrinterNames();
    if (!current.isEmpty() && !queues.contains(current))
        queues.append(current); // a run on it then says it is gone
    m_queues = queues;
    m_current = current.isEmpty() ? pdfPrinterIndex() : int(m_queues.indexOf(current));
}

QList<int> QtPrinterSurface::queueResolutions(const QString &queue, int *preferred)
{
    QList<int> offered;
    int wanted = 0;
    // Qt reads only a PPD's Resolution option: a PPD with a default resolution alone, as
    // driverless queues have, would look like a printer that takes any.
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    if (cups_dest_t *dest = cupsGetDest(queue.toUtf8().constData(), nullptr, count, dests)) {
        if (cups_dinfo_t *info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
            const auto dpi = [](ipp_attribute_t *attribute, int i) {
                int feed = 0;
                ipp_res_t units = IPP_RES_PER_INCH;
                const int across = ippGetResolution(attribute, i, &feed, &units);
                return units == IPP_RES_PER_CM ? int(std::lround(across * 2.54)) : across;
            };
            ipp_attribute_t *supported =
                cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
            if (supported && ippGetValueTag(supported) == IPP_TAG_RESOLUTION)
                for (int i = 0; i < ippGetCount(supported); ++i)
                    offered << dpi(supported, i);
            ipp_attribute_t *fallback =
                cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
            if (fallback && ippGetValueTag(fallback) == IPP_TAG_RESOLUTION && ippGetCount(fallback) > 0)
                wanted = dpi(fallback, 0);
            cupsFreeDestInfo(info);
        }
    }
    cupsFreeDests(count, dests);
    if (offered.isEmpty())
        offered = QPrinterInfo::printerInfo(queue).supportedResolutions();
    std::sort(offered.begin(), offered.end());
    offered.erase(std::unique(offered.begin(), offered.end()), offered.end());
    if (preferred)
        *preferred = offered.contains(wanted) || offered.isEmpty() ? wanted : offered.last();
    return offered;
}

void QtPrinterSurface::adoptQueueResolution(QPrinter &printer, const QString &queue)
{
    int preferred = 0;
    const QList<int> offered = queueResolutions(queue, &preferred);
    if (!offered.isEmpty() && !offered.contains(printer.resolution()) && preferred > 0)
        printer.setResolution(preferred);
}

QString QtPrinterSurface::queueName() const
{
    return pdfPrinterCurrent() ? QStringLiteral("Tessarino PDF") : m_queues.at(m_current);
}

bool QtPrinterSurface::queueStillThere() const
{
    return pdfPrinterCurrent() || QPrinterInfo::availablePrinterNames().contains(queueName());
}

QString QtPrinterSurface::endQueueJob()
{
    const bool ended = m_painter.end();
    // QPrinter hands the finished file to cupsPrintFile and drops its answer; the library
    // keeps the answer of its last request for this thread.
    const ipp_status_t status = cupsLastError();
    const QString said = QString::fromUtf8(cupsLastErrorString());
    if (!queueStillThere()) // a queue removed while the document was drawn never took it
        return QCoreApplication::translate("QtPrinterSurface", "ya no está instalada en el sistema");
    if (!ended)
        return QCoreApplication::translate("QtPrinterSurface", "no pudo terminar el documento");
    if (status > IPP_STATUS_OK_EVENTS_COMPLETE)
        return QCoreApplication::translate("QtPrinterSurface", "rechazó el trabajo (%1)").arg(said);
    return {};
}

void QtPrinterSurface::checkQueueStillThere() const
{
    if (!queueStillThere())
        throw printerErrorFor(QCoreApplication::translate(
                                  "QtPrinterSurface",
                                  "La impresora \"%1\" ya no está instalada en el sistema: el documento "
                                  "no se imprimió. Elija otra impresora en Impresora > Configurar.")
                                  .arg(queueName()));
}

int32_t QtPrinterSurface::width() const
{
    return twips(m_printer->pageLayout().fullRect(QPageLayout::Millimeter).width());
}

int32_t QtPrinterSurface::height() const
{
    return twips(m_printer->pageLayout().fullRect(QPageLayout::Millimeter).height());
}

void QtPrinterSurface::setPaperTwips(const QSizeF &oriented, const QString &what)
{
    const bool landscape = deviceOrientation() == Landscape;
    const QSizeF portraitMm = (landscape ? oriented.transposed() : oriented) / kTwipsPerMm;
    const QPageSize size(portraitMm, QPageSize::Millimeter);
    if (!pdfPrinterCurrent()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(queueName());
        const QList<QPageSize> offered = info.supportedPageSizes();
        // A queue that lists no sizes (a raw queue) takes whatever it is given.
        const bool listed =
            offered.isEmpty() || std::any_of(offered.begin(), offered.end(),
                                             [&](const QPageSize &s) { return s.isEquivalentTo(size); });
        bool custom = false;
        if (!listed && info.supportsCustomPageSizes()) {
            const QSizeF min = info.minimumPhysicalPageSize().size(QPageSize::Millimeter);
            const QSizeF max = info.maximumPhysicalPageSize().size(QPageSize::Millimeter);
            custom = portraitMm.width() >= min.width() - 0.5 && portraitMm.height() >= min.height() - 0.5 &&
                     portraitMm.width() <= max.width() + 0.5 && portraitMm.height() <= max.height() + 0.5;
        }
        if (!listed && !custom)
            throw notOffered(QCoreApplication::translate("QtPrinterSurface",
                                                         "La impresora \"%1\" no admite %2 (%3 x %4 mm).")
                                 .arg(queueName(), what)
                                 .arg(std::round(portraitMm.width()))
                                 .arg(std::round(portraitMm.height())));
    }
    const QPageLayout before = m_printer->pageLayout();
    if (!m_printer->setPageSize(size)) {
        m_printer->setPageLayout(before);
        throw notOffered(QCoreApplication::translate("QtPrinterSurface", "La impresora \"%1\" no admite %2.")
                             .arg(queueName(), what));
    }
}

void QtPrinterSurface::setWidth(int32_t value)
{
    PrinterLimits::checkWidth(value);
    setPaperTwips(QSizeF(value, height()),
                  QCoreApplication::translate("QtPrinterSurface", "esa anchura de papel"));
}

void QtPrinterSurface::setHeight(int32_t value)
{
    PrinterLimits::checkHeight(value);
    setPaperTwips(QSizeF(width(), value),
                  QCoreApplication::translate("QtPrinterSurface", "esa altura de papel"));
}

int16_t QtPrinterSurface::paperSize() const
{
    return settingsOf(*m_printer, 0, 100, 1).paperSize;
}

void QtPrinterSurface::setPaperSize(int16_t code)
{
    if (code == PaperUser)
        return; // the sheet keeps its measures; they already are the user size
    const QPageSize size(PrinterLimits::paperSizeId(code));
    const QSizeF mm = size.size(QPageSize::Millimeter);
    const bool landscape = deviceOrientation() == Landscape;
    setPaperTwips(landscape ? QSizeF(mm.height(), mm.width()) * kTwipsPerMm : mm * kTwipsPerMm,
                  QCoreApplication::translate("QtPrinterSurface", "el papel %1").arg(size.name()));
    // A standard size keeps its own name and code, not a user size of the same measures.
    const QPageLayout before = m_printer->pageLayout();
    if (!m_printer->setPageSize(size))
        m_printer->setPageLayout(before);
}

int16_t QtPrinterSurface::colorMode() const
{
    return m_printer->colorMode() == QPrinter::Color ? ColorColor : ColorMonochrome;
}

void QtPrinterSurface::setColorMode(int16_t mode)
{
    PrinterLimits::checkColorMode(mode);
    const QPrinter::ColorMode wanted = mode == ColorColor ? QPrinter::Color : QPrinter::GrayScale;
    if (!pdfPrinterCurrent()) {
        const QList<QPrinter::ColorMode> offered =
            QPrinterInfo::printerInfo(queueName()).supportedColorModes();
        if (!offered.isEmpty() && !offered.contains(wanted))
            throw notOffered(mode == ColorColor
                                 ? QCoreApplication::translate("QtPrinterSurface",
                                                               "La impresora \"%1\" no imprime en color.")
                                       .arg(queueName())
                                 : QCoreApplication::translate("QtPrinterSurface",
                                                               "La impresora \"%1\" no imprime en monocromo.")
                                       .arg(queueName()));
    }
    m_printer->setColorMode(wanted);
}

int16_t QtPrinterSurface::copies() const
{
    return pdfPrinterCurrent() ? m_device.pdfCopies : int16_t(std::min(m_printer->copyCount(), 32767));
}

void QtPrinterSurface::setCopies(int16_t value)
{
    PrinterLimits::checkCopies(value);
    if (pdfPrinterCurrent()) {
        m_device.pdfCopies = value;
        return;
    }
    // Each sheet comes out `value` times in a row, as the PDF printer does.
    m_printer->setCollateCopies(false);
    m_printer->setCopyCount(value);
}

int16_t QtPrinterSurface::printQuality() const
{
    return m_device.qualityCode ? m_device.qualityCode : int16_t(std::min(m_printer->resolution(), 32767));
}

void QtPrinterSurface::setPrintQuality(int16_t quality)
{
    PrinterLimits::checkPrintQuality(quality);
    if (documentOpen())
        throw printerErrorFor(QCoreApplication::translate(
            "QtPrinterSurface", "La calidad no se puede cambiar con un documento a medio imprimir."));
    QList<int> offered;
    if (!pdfPrinterCurrent())
        offered = queueResolutions(queueName());
    int dpi = quality;
    if (quality < 0) {
        const int step = -quality - 1; // 0 draft .. 3 high
        dpi = offered.isEmpty() ? kQualityDpi[step]
                                : offered.at(qsizetype(std::lround(step * (offered.size() - 1) / 3.0)));
    } else if (!offered.isEmpty() && !offered.contains(dpi)) {
        QStringList list;
        for (int r : offered)
            list << QString::number(r);
        throw notOffered(QCoreApplication::translate("QtPrinterSurface",
                                                     "La impresora \"%1\" no admite %2 ppp (admite %3).")
                             .arg(queueName())
                             .arg(dpi)
                             .arg(list.join(QStringLiteral(", "))));
    }
    m_printer->setResolution(dpi);
    m_device.qualityCode = quality < 0 ? quality : 0;
}

void QtPrinterSurface::setZoom(int32_t percent)
{
    PrinterLimits::checkZoom(percent);
    m_device.zoom = percent;
}

PrinterSettings QtPrinterSurface::printerSettings(int index) const
{
    if (index < 0 || index > pdfPrinterIndex())
        throw RuntimeError::invalidPropertyValue();
    if (index == m_current)
        return currentSettings();
    // As setCurrentPrinter would make it: its own settings in the orientation kept.
    const auto orientation =
        deviceOrientation() == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (index == pdfPrinterIndex()) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setFullPage(true);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setPageOrientation(orientation);
        return settingsOf(pdf, 0, 100, 1);
    }
    QPrinter queue(QPrinterInfo::printerInfo(m_queues.at(index)), QPrinter::HighResolution);
    adoptQueueResolution(queue, m_queues.at(index));
    queue.setPageOrientation(orientation);
    return settingsOf(queue, 0, 100, int16_t(std::min(queue.copyCount(), 32767)));
}

// Copies on the PDF printer ------------------------------------------------------------

void QtPrinterSurface::recordOp(PageOp op)
{
    if (pdfPrinterCurrent() && m_device.pdfCopies > 1)
        m_pageOps.push_back(std::move(op));
}

void QtPrinterSurface::repeatSheetForCopies()
{
    if (!pdfPrinterCurrent() || m_device.pdfCopies <= 1) {
        m_pageOps.clear();
        return;
    }
    const std::vector<PageOp> ops = std::move(m_pageOps);
    m_pageOps.clear();
    for (int copy = 1; copy < m_device.pdfCopies; ++copy) {
        breakSheet();
        applyTransform();
        for (const PageOp &op : ops) {
            SheetPainting replay;
            if (!op.fill.isEmpty()) {
                replay.fill(m_painter, op.from, op.fill, op.color);
            } else if (op.text) {
                replay.applyStyle(m_painter, op.font, op.color, 0);
                replay.text(m_painter, op.from, op.string);
            } else {
                SheetPainting::line(m_painter, op.from, op.to, op.color, op.box);
            }
        }
    }
    m_painting.forgetStyle();
}

RuntimeError QtPrinterSurface::printerErrorFor(const QString &description)
{
    return {RuntimeError::PrinterError, description};
}
