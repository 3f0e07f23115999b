#include "CodeSymbols.h"

#include <zint.h>

#include <algorithm>
#include <memory>

namespace CodeSymbols {
namespace {

struct SymbolDeleter
{
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};

int symbology(Kind kind)
{
    switch (kind) {
    case Kind::QR:
        return BARCODE_QRCODE;
    case Kind::DataMatrix:
        return BARCODE_DATAMATRIX;
    case Kind::Code128:
        break;
    }
    return BARCODE_CODE128;
}

} // namespace

Symbol encode(Kind kind, const QString &text, double sideTwips)
{
    Symbol result;
    const std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) {
        result.error = QStringLiteral("sin memoria");
        return result;
    }
    symbol->symbology = symbology(kind);
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;
    if (kind == Kind::DataMatrix)
        symbol->option_3 = DM_SQUARE; // the size is one side: never a rectangular symbol
    // Without a marker, readers guess the character set of anything beyond ASCII, and guess
    // wrong ("º" read back as Japanese): say it is UTF-8.
    if (kind != Kind::Code128 && std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; }))
        symbol->eci = 26;
    const QByteArray utf8 = text.toUtf8();
    const int status = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char *>(utf8.constData()), int(utf8.size()), 0);
    if (status >= ZINT_ERROR || !symbol->vector || symbol->vector->width <= 0 || symbol->vector->height <= 0) {
        result.error = QString::fromUtf8(symbol->errtxt);
        return result;
    }

    const zint_vector &vector = *symbol->vector;
    result.modules = symbol->width;
    const double sx = kind == Kind::Code128 ? kCode128ModuleTwips * symbol->width / vector.width
                                            : sideTwips / vector.width;
    const double sy = sideTwips / vector.height;
    result.size = QSizeF(vector.width * sx, vector.height * sy);
    // zint already joins neighbouring dark modules into one rectangle.
    result.shapes.setFillRule(Qt::WindingFill);
    for (const zint_vector_rect *r = vector.rectangles; r; r = r->next)
        if (r->colour == -1 || r->colour == 7) // foreground (or black)
            result.shapes.addRect(r->x * sx, r->y * sy, r->width * sx, r->height * sy);
    return result;
}

} // namespace CodeSymbols
