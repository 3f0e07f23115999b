#pragma once

#include "CheckDigits.h"
#include "CodeSymbols.h"

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

class PrinterSurface;

// How a position prints its number: as text or as a code, with a text before and after it and
// an optional check digit after the number.
struct NumberLook
{
    enum class Format { Text, QR, Code128, DataMatrix, EAN13, UPCA, Code39, ITF, PDF417 };
    enum class QrLevel { L, M, Q, H };

    Format format = Format::Text;
    QString prefix;
    QString suffix;
    // The code's size in millimetres as typed (a point or a comma before the decimals): the side
    // of a QR or DataMatrix code, the width of a PDF417 code, the height of bars. Text ignores it.
    QString size = QStringLiteral("15");
    CheckDigits::Scheme check = CheckDigits::Scheme::None;
    // The narrowest bar in millimetres as typed; empty: 1/75 inch. Only bars use it.
    QString module{};
    QrLevel qrLevel = QrLevel::M;
    // A white box of the symbology's quiet zone under the code.
    bool quietZone = true;
    // The code in the job's text colour rather than black.
    bool codeInColor = false;

    bool operator==(const NumberLook &) const = default;
    bool isDefault() const { return *this == NumberLook{}; }
    // The number with its check digit.
    QString checked(const QString &number) const { return number + CheckDigits::of(check, number); }
    QString text(const QString &number) const { return prefix + checked(number) + suffix; }
    bool isCode() const { return format != Format::Text; }
    bool isLinear() const;

    // As the job file stores it: "Texto", "QR", "Code128", "DataMatrix", "EAN13", "UPCA",
    // "Code39", "ITF", "PDF417".
    static QString formatKey(Format format);
    // Any other word, missing ("Vacio") included, is text.
    static Format formatFromKey(const QString &key);
    // "L", "M", "Q", "H"; anything else is M.
    static QString qrLevelKey(QrLevel level);
    static QrLevel qrLevelFromKey(const QString &key);
    // The size for the job file: a point before the decimals.
    QString storedSize() const;
    QString storedModule() const;
};

// The smallest codes this program prints, so that what it prints can be read back: a QR or
// DataMatrix module at least 0.25 mm (three dots at 300 dpi, the coarsest common printer, so
// dot gain cannot merge neighbours), Code 128 bars at least 5 mm high (so a hand-held
// scanner's line still crosses every bar when held a little askew). Sizes above 300 mm are
// typing mistakes: no sheet holds them.
namespace NumberLookLimits {
constexpr double kMinModuleMm = 0.25;
constexpr double kMinBarHeightMm = 5;
constexpr double kMaxSizeMm = 300;
// Bars wider than this are typing mistakes too.
constexpr double kMaxBarModuleMm = 2;
// Scanners need the code this much darker than the white paper around it (luminance contrast).
constexpr double kMinContrast = 0.40;
} // namespace NumberLookLimits

// Codes already encoded, reused while the same text comes back (the same number at every
// position of a sheet); a few entries only, so a run of any length keeps flat memory.
class CodeCache
{
public:
    const CodeSymbols::Symbol &symbol(CodeSymbols::Kind kind, const CodeSymbols::Options &options,
                                      const QString &text);

private:
    struct Entry
    {
        CodeSymbols::Kind kind;
        CodeSymbols::Options options;
        QString text;
        CodeSymbols::Symbol symbol;
    };
    static constexpr size_t kEntries = 8;
    CodeSymbols::Encoder m_encoder;
    std::vector<Entry> m_entries;
    size_t m_next = 0;
};

// A position's look after the checks made before anything prints.
class NumberPrinter
{
public:
    // Throws RuntimeError (invalid property value) naming `where` (the position, as the user
    // knows it) when the look cannot print every number of the run; `samples` holds the run's
    // numbers of every length it prints (its two ends).
    // `textColor` is the job's: a code in it must be dark enough to scan.
    NumberPrinter(const NumberLook &look, const QString &where, const QStringList &samples,
                  int32_t textColor = 0);

    // The code of `number` as it prints, for a window that shows its size; throws as the
    // constructor does.
    static CodeSymbols::Symbol sample(const NumberLook &look, const QString &where, const QString &number);

    // How much darker than white `color` (the classic 32-bit value) is: 0 white, 1 black.
    static double contrast(int32_t color);

    // The number in this look at the current position.
    void print(PrinterSurface &printer, const QString &number, CodeCache &cache) const;

    // Throws RuntimeError (invalid property value), naming the place and how far it runs over,
    // when the code of any of the samples, drawn at (x, y) in the printer's scale, would not lie
    // whole inside the printer's printable area: a clipped code cannot be read. Text is never
    // refused here.
    void checkFits(const PrinterSurface &printer, float x, float y) const;

    // "Mismo número, posición 3" and "Distinto número, fila 2", for `index` from 0.
    static QString samePosition(int index);
    static QString distinctRow(int index);

private:
    NumberLook m_look;
    QString m_where;
    CodeSymbols::Kind m_kind{};
    CodeSymbols::Options m_options;
    int32_t m_codeColor = 0;
    QSizeF m_largest; // the largest code of the samples, twips
    QString m_sample; // the text of the widest
};
