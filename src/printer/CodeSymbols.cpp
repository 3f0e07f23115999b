#include "CodeSymbols.h"

#include <QCoreApplication>
#include <zint.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

namespace CodeSymbols {
namespace {

int symbology(Kind kind)
{
    switch (kind) {
    case Kind::QR:
        return BARCODE_QRCODE;
    case Kind::DataMatrix:
        return BARCODE_DATAMATRIX;
    case Kind::EAN13:
        return BARCODE_EANX;
    case Kind::UPCA:
        return BARCODE_UPCA;
    case Kind::Code39:
        return BARCODE_CODE39;
    case Kind::ITF:
        return BARCODE_C25INTER;
    case Kind::PDF417:
        return BARCODE_PDF417;
    case Kind::Code128:
        break;
    }
    return BARCODE_CODE128;
}

// The light margin each symbology's standard asks for, in modules: left, top, right, bottom.
// Bars get two modules above and below too, so the lines of a design stay off the scan line.
QMarginsF quietModules(Kind kind)
{
    switch (kind) {
    case Kind::QR:
        return {4, 4, 4, 4};
    case Kind::DataMatrix:
        return {1, 1, 1, 1};
    case Kind::PDF417:
        return {2, 2, 2, 2};
    case Kind::EAN13:
        return {11, 2, 7, 2};
    case Kind::UPCA:
        return {9, 2, 9, 2};
    case Kind::Code128:
    case Kind::Code39:
    case Kind::ITF:
        break;
    }
    return {10, 2, 10, 2};
}

// What goes into the symbol: EAN-13 and UPC-A take their data digits whole (12 and 11, the
// check digit is the symbology's own), ITF an even count of digits; shorter numbers get zeros in
// front, as the readable line shows them.
QString content(Kind kind, const QString &text)
{
    switch (kind) {
    case Kind::EAN13:
        return text.rightJustified(12, u'0');
    case Kind::UPCA:
        return text.rightJustified(11, u'0');
    case Kind::ITF:
        return text.size() % 2 ? u'0' + text : text;
    default:
        return text;
    }
}

} // namespace

Symbol encode(Kind kind, const QString &text, const Options &options)
{
    return Encoder().encode(kind, text, options);
}

Encoder::Encoder() : m_symbol(ZBarcode_Create()) {}

Encoder::~Encoder()
{
    if (m_symbol)
        ZBarcode_Delete(m_symbol);
}

int Encoder::run(Kind kind, const QString &text, int qrLevel, int qrMask)
{
    zint_symbol *const symbol = m_symbol;
    ZBarcode_Clear(symbol);
    symbol->symbology = symbology(kind);
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;
    // The size is one side: never a rectangular DataMatrix symbol.
    symbol->option_3 = kind == Kind::DataMatrix ? DM_SQUARE : qrMask >= 0 ? (qrMask + 1) << 8 : 0;
    // ZBarcode_Clear keeps the options: each symbology gets libzint's default back but QR.
    symbol->option_1 = kind == Kind::QR ? std::clamp(qrLevel, 1, 4) : -1;
    // Without a marker, readers guess the character set of anything beyond ASCII, and guess
    // wrong ("º" read back as Japanese): say it is UTF-8.
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0x7F; });
    const bool takesEci = kind == Kind::QR || kind == Kind::DataMatrix || kind == Kind::PDF417;
    symbol->eci = takesEci && !ascii ? 26 : 0;
    const QByteArray utf8 = text.toUtf8();
    return ZBarcode_Encode_and_Buffer_Vector(
        symbol, reinterpret_cast<const unsigned char *>(utf8.constData()), int(utf8.size()), 0);
}

// The text with every digit as 0, and the error correction: the numbers of one look share it.
QString Encoder::textShape(const QString &text, int qrLevel)
{
    QString shape = text;
    for (QChar &c : shape)
        if (c >= u'0' && c <= u'9')
            c = u'0';
    return QString::number(qrLevel) + shape;
}

// Which mask libzint weighed best for `text`, just encoded: the fixed mask that gives the same
// modules. -1 (weigh every time) if none does.
int Encoder::maskChosen(const QString &text, int qrLevel)
{
    const int rows = m_symbol->rows;
    const size_t rowBytes = size_t(m_symbol->width + 7) / 8;
    std::vector<unsigned char> weighed;
    for (int r = 0; r < rows; ++r)
        weighed.insert(weighed.end(), m_symbol->encoded_data[r], m_symbol->encoded_data[r] + rowBytes);
    for (int mask = 0; mask < 8; ++mask) {
        if (run(Kind::QR, text, qrLevel, mask) >= ZINT_ERROR || m_symbol->rows != rows)
            continue;
        bool same = true;
        for (int r = 0; r < rows && same; ++r)
            same = std::equal(m_symbol->encoded_data[r], m_symbol->encoded_data[r] + rowBytes,
                              weighed.begin() + std::ptrdiff_t(size_t(r) * rowBytes));
        if (same)
            return mask;
    }
    return -1;
}

Symbol Encoder::encode(Kind kind, const QString &typed, const Options &options)
{
    Symbol result;
    zint_symbol *const symbol = m_symbol;
    if (!symbol) {
        result.error = QCoreApplication::translate("CodeSymbols", "sin memoria");
        return result;
    }
    const QString text = content(kind, typed);
    const int level = options.qrLevel;
    // Weighing QR's eight masks is most of its encoding time. Numbers of one look differ in a few
    // digits only, so the mask libzint weighs best for the first of a kind serves those after it.
    const QString shape = kind == Kind::QR ? textShape(text, level) : QString();
    const auto known = kind == Kind::QR ? m_qrMasks.constFind(shape) : m_qrMasks.constEnd();
    const int mask = known != m_qrMasks.constEnd() ? *known : -1;
    const int status = run(kind, text, level, mask);
    if (kind == Kind::QR && mask < 0 && status < ZINT_ERROR) {
        if (m_qrMasks.size() >= 64)
            m_qrMasks.clear();
        m_qrMasks.insert(shape, maskChosen(text, level));
        run(kind, text, level, -1); // the symbol as weighed, to draw
    }
    if (status >= ZINT_ERROR || !symbol->vector || symbol->vector->width <= 0 ||
        symbol->vector->height <= 0 || symbol->width <= 0) {
        result.error = QString::fromUtf8(symbol->errtxt);
        return result;
    }

    const zint_vector &vector = *symbol->vector;
    // libzint draws the quiet zone of EAN and UPC into the vector: the dark modules alone count.
    float left = vector.width, right = 0;
    for (const zint_vector_rect *r = vector.rectangles; r; r = r->next) {
        if (r->colour != -1 && r->colour != 7)
            continue;
        left = std::min(left, r->x);
        right = std::max(right, r->x + r->width);
    }
    if (!(right > left)) {
        result.error = QCoreApplication::translate("CodeSymbols", "código vacío");
        return result;
    }
    result.modules = symbol->width;
    // Modules and bar heights in quarter twips (under 0.005 mm off): short numbers keep a PDF of
    // thousands of codes small and quick to write.
    const auto quarters = [](double twips) { return std::max(0.25, std::round(twips * 4) / 4); };
    const bool linear = isLinear(kind);
    const double module = linear ? options.moduleTwips : quarters(options.sideTwips / symbol->width);
    const double sx = module * symbol->width / (right - left);
    const double sy = linear ? quarters(options.sideTwips) / vector.height : sx;
    result.size = QSizeF((right - left) * sx, vector.height * sy);
    const QMarginsF quiet = quietModules(kind);
    result.quiet = QMarginsF(quiet.left() * module, quiet.top() * module, quiet.right() * module,
                             quiet.bottom() * module);
    result.readable = kind == Kind::EAN13 || kind == Kind::UPCA
                          ? QString::fromUtf8(reinterpret_cast<const char *>(symbol->text))
                          : text;
    // zint joins dark modules along a row; a run that continues one of the same span in the row
    // above joins it too, so a sheet holds fewer rectangles to draw.
    std::map<std::tuple<float, float, float>, size_t> openBelow; // x, width, bottom -> rectangle
    std::vector<std::array<float, 4>> merged;
    for (const zint_vector_rect *r = vector.rectangles; r; r = r->next) {
        if (r->colour != -1 && r->colour != 7) // foreground (or black) only
            continue;
        const auto above = openBelow.find({r->x, r->width, r->y});
        if (above != openBelow.end()) {
            const size_t index = above->second;
            openBelow.erase(above);
            merged[index][3] += r->height;
            openBelow.emplace(std::tuple{r->x, r->width, r->y + r->height}, index);
            continue;
        }
        openBelow.emplace(std::tuple{r->x, r->width, r->y + r->height}, merged.size());
        merged.push_back({r->x, r->y, r->width, r->height});
    }
    result.shapes.reserve(qsizetype(merged.size()));
    for (const auto &[x, y, w, h] : merged)
        result.shapes.append(QRectF((x - left) * sx, y * sy, w * sx, h * sy));
    return result;
}

} // namespace CodeSymbols
