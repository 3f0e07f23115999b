#include "NumberLook.h"

#include "PrinterSurface.h"
#include "RuntimeError.h"
#include "Texts.h"
#include "VbColor.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;

using Format = NumberLook::Format;

CodeSymbols::Kind kindOf(Format format)
{
    switch (format) {
    case Format::QR:
        return CodeSymbols::Kind::QR;
    case Format::DataMatrix:
        return CodeSymbols::Kind::DataMatrix;
    case Format::EAN13:
        return CodeSymbols::Kind::EAN13;
    case Format::UPCA:
        return CodeSymbols::Kind::UPCA;
    case Format::Code39:
        return CodeSymbols::Kind::Code39;
    case Format::ITF:
        return CodeSymbols::Kind::ITF;
    case Format::PDF417:
        return CodeSymbols::Kind::PDF417;
    default:
        return CodeSymbols::Kind::Code128;
    }
}

QString codeName(Format format)
{
    switch (format) {
    case Format::Code128:
        return QStringLiteral("Code 128");
    case Format::EAN13:
        return QStringLiteral("EAN-13");
    case Format::UPCA:
        return QStringLiteral("UPC-A");
    case Format::Code39:
        return QStringLiteral("Code 39");
    default:
        return NumberLook::formatKey(format);
    }
}

// With a point before the decimals, as the size is stored.
QString millimetres(double mm)
{
    return QString::number(mm, 'g', 6);
}

RuntimeError refused(const QString &message)
{
    return RuntimeError(RuntimeError::InvalidPropertyValue, message);
}

// The first character of `text` the symbology cannot carry as typed, or a null QChar.
QChar firstRefused(Format format, const QString &text)
{
    static const QString code39 = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%");
    for (QChar c : text) {
        switch (format) {
        case Format::Code128: // printable ASCII: what every Code 128 scanner reads back as typed
            if (c.unicode() < 0x20 || c.unicode() > 0x7E)
                return c;
            break;
        case Format::Code39:
            if (!code39.contains(c))
                return c;
            break;
        case Format::EAN13:
        case Format::UPCA:
        case Format::ITF:
            if (c < u'0' || c > u'9')
                return c;
            break;
        default:
            break;
        }
    }
    return QChar();
}

double typedMm(const QString &typed, double high, const QString &where, int32_t id)
{
    bool ok = false;
    const double mm = QString(typed).replace(u',', u'.').trimmed().toDouble(&ok);
    if (!ok || !(mm > 0) || mm > high)
        throw refused(Texts::text(id).arg(where, millimetres(high), typed));
    return mm;
}

bool digitsOnly(const QString &text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Checks each number of the run that `look` alone can tell, before anything is encoded.
void checkText(const NumberLook &look, const QString &where, const QString &number)
{
    if (look.check != CheckDigits::Scheme::None && !digitsOnly(number))
        throw refused(Texts::text(16000).arg(where, number));
    if (!look.isCode())
        return;
    const QString text = look.text(number);
    const QString name = codeName(look.format);
    if (const QChar bad = firstRefused(look.format, text); !bad.isNull()) {
        if (look.format == Format::Code128)
            throw refused(Texts::text(4003).arg(where, name, QString(bad)));
        if (look.format == Format::Code39)
            throw refused(Texts::text(16001).arg(where, name, QString(bad)));
        throw refused(Texts::text(16002).arg(where, name, text, QString(bad)));
    }
    const int most = look.format == Format::EAN13 ? 12 : look.format == Format::UPCA ? 11 : 0;
    if (most && text.size() > most)
        throw refused(
            Texts::text(16003).arg(where, name, QString::number(most), text, QString::number(text.size())));
}

} // namespace

double NumberPrinter::contrast(int32_t color)
{
    const QColor c = VbColor::toQColor(color);
    // Relative luminance of sRGB: what a scanner's sensor sees of the ink against white paper.
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double y = 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    return 1 - y;
}

CodeSymbols::Symbol NumberPrinter::sample(const NumberLook &look, const QString &where, const QString &number)
{
    const NumberPrinter printer(look, where, {number});
    return CodeSymbols::encode(printer.m_kind, look.text(number), printer.m_options);
}

NumberPrinter::NumberPrinter(const NumberLook &look, const QString &where, const QStringList &samples,
                             int32_t textColor)
    : m_look(look), m_where(where)
{
    for (const QString &number : samples)
        checkText(look, where, number);
    if (!look.isCode())
        return;
    m_kind = kindOf(look.format);
    const QString name = codeName(look.format);
    const double mm = typedMm(look.size, NumberLookLimits::kMaxSizeMm, where, 4002);
    m_options.sideTwips = mm * kTwipsPerMm;
    m_options.qrLevel = int(look.qrLevel) + 1;
    if (look.codeInColor) {
        if (contrast(textColor) < NumberLookLimits::kMinContrast)
            throw refused(
                Texts::text(16004).arg(where, QString::number(qRound(contrast(textColor) * 100)),
                                       QString::number(qRound(NumberLookLimits::kMinContrast * 100))));
        m_codeColor = textColor;
    }

    if (look.isLinear()) {
        if (!look.storedModule().isEmpty()) {
            const double module = typedMm(look.module, NumberLookLimits::kMaxBarModuleMm, where, 16005);
            if (module < NumberLookLimits::kMinModuleMm)
                throw refused(Texts::text(16006).arg(where, millimetres(NumberLookLimits::kMinModuleMm),
                                                     millimetres(module)));
            m_options.moduleTwips = module * kTwipsPerMm;
        }
        if (mm < NumberLookLimits::kMinBarHeightMm)
            throw refused(Texts::text(4004).arg(where, name, millimetres(NumberLookLimits::kMinBarHeightMm),
                                                millimetres(mm)));
    }
    for (const QString &number : samples) {
        const QString text = look.text(number);
        const CodeSymbols::Symbol symbol = CodeSymbols::encode(m_kind, text, m_options);
        if (!symbol.error.isEmpty())
            throw refused(Texts::text(4005).arg(where, text, name, symbol.error));
        if (m_sample.isEmpty() || symbol.size.width() > m_largest.width())
            m_sample = text;
        m_largest = m_largest.expandedTo(symbol.size);
        if (look.isLinear())
            continue;
        const double needed = symbol.modules * NumberLookLimits::kMinModuleMm;
        if (mm < needed)
            throw refused(Texts::text(4006).arg(where, text, name, QString::number(symbol.modules),
                                                millimetres(NumberLookLimits::kMinModuleMm),
                                                millimetres(std::ceil(needed * 10) / 10), millimetres(mm)));
    }
}

void NumberPrinter::print(PrinterSurface &printer, const QString &number, CodeCache &cache) const
{
    const QString text = m_look.text(number);
    if (!m_look.isCode()) {
        printer.printText(text);
        return;
    }
    const CodeSymbols::Symbol &symbol = cache.symbol(m_kind, m_options, text);
    if (!symbol.error.isEmpty()) // a number the checks did not see; never printed silently wrong
        throw refused(Texts::text(4005).arg(m_where, text, codeName(m_look.format), symbol.error));
    PrinterSurface::ShapeStyle style;
    if (m_look.isLinear())
        style.caption = symbol.readable;
    style.color = m_codeColor;
    if (m_look.quietZone)
        style.clearTwips = symbol.quiet;
    printer.printShapes(symbol.shapes, symbol.size, style);
}

void NumberPrinter::checkFits(const PrinterSurface &printer, float x, float y) const
{
    if (!m_look.isCode() || m_largest.isEmpty())
        return;
    // Where the device draws it: the printer's scale to twips, then its zoom, which scales the
    // whole job from the printable area's corner.
    const QSizeF area = printer.printableAreaTwips().size();
    const double zoom = printer.zoom() / 100.0;
    const double perUnitX = area.width() / printer.scaleWidth();
    const double perUnitY = area.height() / printer.scaleHeight();
    QRectF code(QPointF((x - printer.scaleLeft()) * perUnitX, (y - printer.scaleTop()) * perUnitY),
                m_largest);
    code = QRectF(code.topLeft() * zoom, code.size() * zoom).normalized();
    const double over[] = {-code.left(), -code.top(), code.right() - area.width(),
                           code.bottom() - area.height()};
    static const int ids[] = {8005, 8006, 8007, 8008}; // left, top, right, bottom
    QStringList runs;
    for (int side = 0; side < 4; ++side)
        if (over[side] > 0.5) // half a twip: what rounding leaves, far below a printer's dot
            runs << Texts::text(ids[side]).arg(
                millimetres(std::max(0.1, std::round(over[side] / kTwipsPerMm * 10) / 10)));
    if (runs.isEmpty())
        return;
    throw refused(
        Texts::text(8004).arg(m_where, codeName(m_look.format), m_sample, runs.join(QStringLiteral(", "))));
}

QString NumberPrinter::samePosition(int index)
{
    return Texts::text(4000).arg(index + 1);
}

QString NumberPrinter::distinctRow(int index)
{
    return Texts::text(4001).arg(index + 1);
}
