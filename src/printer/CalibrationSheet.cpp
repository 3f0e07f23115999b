#include "CalibrationSheet.h"

#include "Logging.h"
#include "PrinterSurface.h"
#include "Texts.h"

#include <QStringList>
#include <cmath>

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;
constexpr double kArmMm = 5; // half the length of a cross's arms

// Puts back what the sheet changes on the printer, however the sheet ends.
class Restore
{
public:
    explicit Restore(PrinterSurface &printer)
        : m_printer(printer), m_left(printer.scaleLeft()), m_top(printer.scaleTop()),
          m_width(printer.scaleWidth()), m_height(printer.scaleHeight()), m_size(printer.fontSize())
    {
        printer.resetScale();
        m_userScale =
            m_left != 0 || m_top != 0 || m_width != printer.scaleWidth() || m_height != printer.scaleHeight();
        printer.setCalibrationEnabled(false);
    }
    ~Restore()
    {
        m_printer.setCalibrationEnabled(true);
        try {
            if (m_userScale)
                m_printer.setUserScale(m_left, m_top, m_width, m_height);
            m_printer.setFontSize(m_size);
        } catch (const std::exception &e) {
            // A destructor cannot pass it on.
            qCWarning(lcPrint).noquote()
                << "The scale or font size was not put back after the calibration sheet:"
                << describeFailure(e);
        } catch (...) {
            qCWarning(lcPrint).noquote()
                << "The scale or font size was not put back after the calibration sheet";
        }
    }

private:
    PrinterSurface &m_printer;
    float m_left, m_top, m_width, m_height, m_size;
    bool m_userScale = false;
};

// Millimetres from the paper's edge to twips on the printable area, one axis.
struct Axis
{
    double origin; // the printable area's edge on the paper, twips
    double at(double mm) const { return mm * kTwipsPerMm - origin; }
};

void cross(PrinterSurface &printer, const Axis &x, const Axis &y, double cxMm, double cyMm)
{
    printer.line(float(x.at(cxMm - kArmMm)), float(y.at(cyMm)), float(x.at(cxMm + kArmMm)),
                 float(y.at(cyMm)));
    printer.line(float(x.at(cxMm)), float(y.at(cyMm - kArmMm)), float(x.at(cxMm)),
                 float(y.at(cyMm + kArmMm)));
}

double tickMm(int mm)
{
    return mm % 10 == 0 ? 5 : mm % 5 == 0 ? 3.5 : 2;
}

} // namespace

QSizeF CalibrationSheet::paperMm(const PrinterSurface &printer)
{
    // Whole twips miss the paper by hundredths of a millimetre (A4 is 11906 twips, 210.016 mm);
    // every paper size is a whole tenth of a millimetre.
    const auto tenths = [](int32_t twips) { return std::round(twips / kTwipsPerMm * 10) / 10; };
    return {tenths(printer.width()), tenths(printer.height())};
}

void CalibrationSheet::print(PrinterSurface &printer, const QString &printerName)
{
    if (printer.documentOpen())
        printer.endDoc(); // the sheet is a document of its own, drawn without correction
    const Restore restore(printer);
    const QRectF area = printer.printableAreaTwips();
    const Axis x{area.left()}, y{area.top()};
    const QSizeF paper = paperMm(printer);
    printer.setFontSize(7);

    // The rulers count from the paper's edges, but only the printable area takes ink.
    const int firstX = int(std::ceil(area.left() / kTwipsPerMm));
    const int lastX = int(std::floor(area.right() / kTwipsPerMm));
    const int firstY = int(std::ceil(area.top() / kTwipsPerMm));
    const int lastY = int(std::floor(area.bottom() / kTwipsPerMm));
    const float top = 0, left = 0; // the printable area's edges
    for (int mm = qMax(1, firstX); mm <= lastX; ++mm) {
        printer.line(float(x.at(mm)), top, float(x.at(mm)), top + float(tickMm(mm) * kTwipsPerMm));
        if (mm % 10 == 0) {
            printer.setCurrentPosition(float(x.at(mm + 0.7)), top + float(3 * kTwipsPerMm));
            printer.printText(QString::number(mm));
        }
    }
    for (int mm = qMax(1, firstY); mm <= lastY; ++mm) {
        printer.line(left, float(y.at(mm)), left + float(tickMm(mm) * kTwipsPerMm), float(y.at(mm)));
        if (mm % 10 == 0) {
            printer.setCurrentPosition(left + float(5.7 * kTwipsPerMm), float(y.at(mm - 1.2)));
            printer.printText(QString::number(mm));
        }
    }

    const double inset = PrinterCalibration::kCrossInsetMm;
    cross(printer, x, y, inset, inset);
    cross(printer, x, y, paper.width() - inset, paper.height() - inset);

    printer.setFontSize(10);
    const QStringList lines = Texts::text(2024).arg(printerName).split(u'\n');
    double lineMm = 45;
    for (const QString &line : lines) {
        printer.setCurrentPosition(float(x.at(35)), float(y.at(lineMm)));
        printer.printText(line);
        lineMm += 6;
    }
    printer.endDoc();
}
