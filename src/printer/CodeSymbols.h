#pragma once

#include <QHash>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

struct zint_symbol;

// Texts encoded as machine-readable codes with libzint, as filled shapes a surface can draw at
// any resolution.
namespace CodeSymbols {

enum class Kind { QR, Code128, DataMatrix };

// Code 128 bars are this wide per module: 1/75 inch, a whole number of dots at 150, 300 and
// 600 dpi, so no printer has to round bars unevenly.
constexpr double kCode128ModuleTwips = 19.2;

struct Symbol
{
    QList<QRectF> shapes; // the dark modules, in twips from the symbol's top-left
    QSizeF size;         // twips
    int modules = 0;     // across: the narrowest element is size.width() / modules wide
    QString error;       // why the text could not be encoded; the rest is empty then
};

// `text` as a square QR or DataMatrix code `sideTwips` wide, or as Code 128 bars `sideTwips`
// high (without the readable line, which the caller prints in its own font). Texts beyond ASCII
// go into QR and DataMatrix codes as UTF-8 with its ECI marker.
Symbol encode(Kind kind, const QString &text, double sideTwips);

// The same, for many texts one after the other: libzint's symbol, a large structure, is made
// once rather than once per text.
class Encoder
{
public:
    Encoder();
    ~Encoder();
    Encoder(const Encoder &) = delete;
    Encoder &operator=(const Encoder &) = delete;

    Symbol encode(Kind kind, const QString &text, double sideTwips);

private:
    int run(Kind kind, const QString &text, int qrMask);
    static QString textShape(const QString &text);
    int maskChosen(const QString &text);

    struct zint_symbol *m_symbol;
    QHash<QString, int> m_qrMasks; // by textShape()
};

} // namespace CodeSymbols
