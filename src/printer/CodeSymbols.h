#pragma once

#include <QHash>
#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

struct zint_symbol;

// Texts encoded as machine-readable codes with libzint, as filled shapes a surface can draw at
// any resolution.
namespace CodeSymbols {

enum class Kind { QR, Code128, DataMatrix, EAN13, UPCA, Code39, ITF, PDF417 };

// Bars are this wide per module unless the job sets another width: 1/75 inch, a whole number of
// dots at 150, 300 and 600 dpi, so no printer has to round bars unevenly.
constexpr double kCode128ModuleTwips = 19.2;

// Codes whose size is the height of their bars and whose width follows from a module width.
constexpr bool isLinear(Kind kind)
{
    return kind == Kind::Code128 || kind == Kind::EAN13 || kind == Kind::UPCA || kind == Kind::Code39 ||
           kind == Kind::ITF;
}

struct Options
{
    // The side of a QR or DataMatrix code, the width of a PDF417 code, the height of bars.
    double sideTwips = 0;
    // The narrowest bar of a linear code.
    double moduleTwips = kCode128ModuleTwips;
    // QR error correction: 1 (L) to 4 (H).
    int qrLevel = 2;

    bool operator==(const Options &) const = default;
};

struct Symbol
{
    QList<QRectF> shapes; // the dark modules, in twips from the symbol's top-left
    QSizeF size;          // twips
    int modules = 0;      // across: the narrowest element is size.width() / modules wide
    QMarginsF quiet;      // the light margin the symbology needs around it, twips
    QString readable;     // what a scanner reads back (with a check digit the symbology adds)
    QString error;        // why the text could not be encoded; the rest is empty then
};

// `text` as a square QR or DataMatrix code, a PDF417 code, or bars (without the readable line,
// which the caller prints in its own font). Texts beyond ASCII go into QR, DataMatrix and PDF417
// codes as UTF-8 with its ECI marker. EAN-13, UPC-A and ITF take digits only and are padded with
// zeros in front to their length (ITF: to an even count).
Symbol encode(Kind kind, const QString &text, const Options &options);
inline Symbol encode(Kind kind, const QString &text, double sideTwips)
{
    return encode(kind, text, Options{sideTwips});
}

// The same, for many texts one after the other: libzint's symbol, a large structure, is made
// once rather than once per text.
class Encoder
{
public:
    Encoder();
    ~Encoder();
    Encoder(const Encoder &) = delete;
    Encoder &operator=(const Encoder &) = delete;

    Symbol encode(Kind kind, const QString &text, const Options &options);

private:
    int run(Kind kind, const QString &text, int qrLevel, int qrMask);
    static QString textShape(const QString &text, int qrLevel);
    int maskChosen(const QString &text, int qrLevel);

    struct zint_symbol *m_symbol;
    QHash<QString, int> m_qrMasks; // by textShape()
};

} // namespace CodeSymbols
