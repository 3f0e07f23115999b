#include "NumberLook.h"

#include "PrinterSurface.h"
#include "RuntimeError.h"
#include "Texts.h"

#include <cmath>

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;

struct FormatName
{
    NumberLook::Format format;
    const char16_t *key;
};
constexpr FormatName kFormats[] = {
    {NumberLook::Format::Text, u"Texto"},
    {NumberLook::Format::QR, u"QR"},
    {NumberLook::Format::Code128, u"Code128"},
    {NumberLook::Format::DataMatrix, u"DataMatrix"},
};

CodeSymbols::Kind kindOf(NumberLook::Format format)
{
    switch (format) {
    case NumberLook::Format::QR:
        return CodeSymbols::Kind::QR;
    case NumberLook::Format::DataMatrix:
        return CodeSymbols::Kind::DataMatrix;
    default:
        return CodeSymbols::Kind::Code128;
    }
}

QString codeName(NumberLook::Format format)
{
    return format == NumberLook::Format::Code128 ? QStringLiteral("Code 128") : NumberLook::formatKey(format);
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

// Printable ASCII: what every Code 128 scanner reads back as typed.
bool plainAscii(const QString &text, QChar &bad)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) {
            bad = c;
            return false;
        }
    return true;
}

double sizeMm(const NumberLook &look, const QString &where)
{
    bool ok = false;
    const double mm = QString(look.size).replace(u',', u'.').trimmed().toDouble(&ok);
    if (!ok || !(mm > 0) || mm > NumberLookLimits::kMaxSizeMm)
        throw refused(Texts::text(4002, QStringLiteral("%1: el tamaño del código debe ser un número de milímetros "
                                                       "mayor que 0 y no mayor que %2; se leyó «%3»."))
                          .arg(where, millimetres(NumberLookLimits::kMaxSizeMm), look.size));
    return mm;
}

} // namespace

QString NumberLook::formatKey(Format format)
{
    for (const FormatName &f : kFormats)
        if (f.format == format)
            return QString::fromUtf16(f.key);
    return QString::fromUtf16(kFormats[0].key);
}

NumberLook::Format NumberLook::formatFromKey(const QString &key)
{
    const QString word = key.trimmed();
    for (const FormatName &f : kFormats)
        if (word.compare(QString::fromUtf16(f.key), Qt::CaseInsensitive) == 0)
            return f.format;
    return Format::Text;
}

QString NumberLook::storedSize() const
{
    return QString(size).replace(u',', u'.').trimmed();
}

const CodeSymbols::Symbol &CodeCache::symbol(CodeSymbols::Kind kind, double sideTwips, const QString &text)
{
    for (const Entry &e : m_entries)
        if (e.kind == kind && e.side == sideTwips && e.text == text)
            return e.symbol;
    Entry entry{kind, sideTwips, text, m_encoder.encode(kind, text, sideTwips)};
    if (m_entries.size() < kEntries) {
        m_entries.push_back(std::move(entry));
        return m_entries.back().symbol;
    }
    Entry &slot = m_entries[m_next];
    m_next = (m_next + 1) % kEntries;
    slot = std::move(entry);
    return slot.symbol;
}

NumberPrinter::NumberPrinter(const NumberLook &look, const QString &where, const QStringList &samples)
    : m_look(look), m_where(where)
{
    if (look.format == NumberLook::Format::Text)
        return;
    m_kind = kindOf(look.format);
    const double mm = sizeMm(look, where);
    m_sideTwips = mm * kTwipsPerMm;
    const QString name = codeName(look.format);

    if (look.format == NumberLook::Format::Code128) {
        QChar bad;
        if (!plainAscii(look.prefix + look.suffix, bad))
            throw refused(Texts::text(4003, QStringLiteral("%1: el código %2 no puede llevar «%3». Use letras sin "
                                                           "tilde ni eñe, cifras, espacios y signos del teclado inglés."))
                              .arg(where, name, QString(bad)));
        if (mm < NumberLookLimits::kMinBarHeightMm)
            throw refused(Texts::text(4004, QStringLiteral("%1: las barras del código %2 deben medir al menos %3 mm "
                                                           "de alto para que un lector las lea; se pidieron %4 mm."))
                              .arg(where, name, millimetres(NumberLookLimits::kMinBarHeightMm), millimetres(mm)));
    }
    for (const QString &number : samples) {
        const QString text = look.text(number);
        const CodeSymbols::Symbol symbol = CodeSymbols::encode(m_kind, text, m_sideTwips);
        if (!symbol.error.isEmpty())
            throw refused(Texts::text(4005, QStringLiteral("%1: «%2» no se puede escribir como código %3 (%4)."))
                              .arg(where, text, name, symbol.error));
        if (m_sample.isEmpty() || symbol.size.width() > m_largest.width())
            m_sample = text;
        m_largest = m_largest.expandedTo(symbol.size);
        if (look.format == NumberLook::Format::Code128)
            continue;
        const double needed = symbol.modules * NumberLookLimits::kMinModuleMm;
        if (mm < needed)
            throw refused(Texts::text(4006, QStringLiteral("%1: «%2» necesita un código %3 de %4 módulos por lado, y "
                                                           "cada módulo debe medir al menos %5 mm para que un lector "
                                                           "lo lea: el código debe medir al menos %6 mm, no %7 mm."))
                              .arg(where, text, name, QString::number(symbol.modules),
                                   millimetres(NumberLookLimits::kMinModuleMm), millimetres(std::ceil(needed * 10) / 10),
                                   millimetres(mm)));
    }
}

void NumberPrinter::print(PrinterSurface &printer, const QString &number, CodeCache &cache) const
{
    const QString text = m_look.text(number);
    if (m_look.format == NumberLook::Format::Text) {
        printer.printText(text);
        return;
    }
    const CodeSymbols::Symbol &symbol = cache.symbol(m_kind, m_sideTwips, text);
    if (!symbol.error.isEmpty()) // a number the checks did not see; never printed silently wrong
        throw refused(Texts::text(4005, QStringLiteral("%1: «%2» no se puede escribir como código %3 (%4)."))
                          .arg(m_where, text, codeName(m_look.format), symbol.error));
    printer.printShapes(symbol.shapes, symbol.size,
                        m_look.format == NumberLook::Format::Code128 ? text : QString());
}

void NumberPrinter::checkFits(const PrinterSurface &printer, float x, float y) const
{
    if (m_look.format == NumberLook::Format::Text || m_largest.isEmpty())
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
    static const int ids[] = {8005, 8006, 8007, 8008};
    static const char *const sides[] = {"%1 mm por la izquierda", "%1 mm por arriba", "%1 mm por la derecha",
                                        "%1 mm por abajo"};
    QStringList runs;
    for (int side = 0; side < 4; ++side)
        if (over[side] > 0.5) // half a twip: what rounding leaves, far below a printer's dot
            runs << Texts::text(ids[side], QString::fromUtf8(sides[side]))
                        .arg(millimetres(std::max(0.1, std::round(over[side] / kTwipsPerMm * 10) / 10)));
    if (runs.isEmpty())
        return;
    throw refused(
        Texts::text(8004, QStringLiteral("%1: el código %2 «%3» no cabe en el área imprimible de la "
                                         "impresora: se sale %4. Muévalo o hágalo más pequeño."))
            .arg(m_where, codeName(m_look.format), m_sample, runs.join(QStringLiteral(", "))));
}

QString NumberPrinter::samePosition(int index)
{
    return Texts::text(4000, QStringLiteral("Mismo número, posición %1")).arg(index + 1);
}

QString NumberPrinter::distinctRow(int index)
{
    return Texts::text(4001, QStringLiteral("Distinto número, fila %1")).arg(index + 1);
}
