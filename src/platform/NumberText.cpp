#include "NumberText.h"

#include "RuntimeError.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace NumberText {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(QChar c, int radix)
{
    int v = -1;
    if (isDigit(c))
        v = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        v = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        v = c.unicode() - u'A' + 10;
    return v < radix ? v : -1;
}

// Reads the digits of an &H / &O literal starting at `pos`. Values that fit 16 bits are taken
// as signed 16-bit, those that fit 32 bits as signed 32-bit, as the classic literals are.
// Returns the number of characters consumed.
qsizetype readRadixLiteral(const QString &s, qsizetype pos, int radix, double &out)
{
    uint64_t value = 0;
    qsizetype i = pos;
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i], radix);
        if (d < 0)
            break;
        value = value * uint64_t(radix) + uint64_t(d);
        if (value > 0xFFFFFFFFull)
            throw RuntimeError::overflow();
    }
    if (value <= 0xFFFF)
        out = double(int16_t(uint16_t(value)));
    else
        out = double(int32_t(uint32_t(value)));
    return i - pos;
}

// Reads sign, digits, one '.', digits and an optional exponent starting at `pos` into `out`.
// Returns the number of characters that form the number (0 when there is no digit at all).
qsizetype readDecimal(const QString &s, qsizetype pos, double &out)
{
    std::string ascii;
    qsizetype i = pos;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ascii += char(s[i++].unicode());
    bool anyDigit = false;
    while (i < s.size() && isDigit(s[i])) {
        ascii += char(s[i++].unicode());
        anyDigit = true;
    }
    if (i < s.size() && s[i] == u'.') {
        ascii += '.';
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ascii += char(s[i++].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponent += char(s[j++].unicode());
        const qsizetype digitsStart = j;
        while (j < s.size() && isDigit(s[j]))
            exponent += char(s[j++].unicode());
        if (j > digitsStart) {
            ascii += exponent;
            i = j;
        }
    }
    out = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(out))
        throw RuntimeError::overflow();
    return i - pos;
}

// "&H1F" / "&O17" at `pos`: returns the radix, or 0 when the text is no such literal.
int radixPrefix(const QString &s, qsizetype pos)
{
    if (pos + 1 >= s.size() || s[pos] != u'&')
        return 0;
    const QChar k = s[pos + 1].toUpper();
    return k == u'H' ? 16 : k == u'O' ? 8 : 0;
}

} // namespace

double lenient(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c;
    double value = 0;
    if (const int radix = radixPrefix(s, 0)) {
        readRadixLiteral(s, 2, radix, value);
        return value;
    }
    readDecimal(s, 0, value);
    return value;
}

double strictDouble(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    const QString s = text.mid(begin, end - begin);
    if (s.isEmpty())
        throw RuntimeError::typeMismatch();
    double value = 0;
    qsizetype used = 0;
    if (const int radix = radixPrefix(s, 0)) {
        used = readRadixLiteral(s, 2, radix, value);
        if (used == 0)
            throw RuntimeError::typeMismatch();
        used += 2;
    } else {
        used = readDecimal(s, 0, value);
    }
    if (used != s.size())
        throw RuntimeError::typeMismatch();
    return value;
}

float toSingle(double value)
{
    if (std::fabs(value) > double(std::numeric_limits<float>::max()))
        throw RuntimeError::overflow();
    return float(value);
}

double roundHalfEven(double value)
{
    // nearbyint rounds in the current mode, which is round-to-nearest-even unless changed.
    return std::nearbyint(value);
}

int16_t strictInt16(const QString &text)
{
    const double rounded = roundHalfEven(strictDouble(text));
    if (rounded < -32768.0 || rounded > 32767.0)
        throw RuntimeError::overflow();
    return int16_t(rounded);
}

int16_t toInt16(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw RuntimeError::overflow();
    return int16_t(rounded);
}

int32_t toInt32(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw RuntimeError::overflow();
    return int32_t(rounded);
}

int32_t strictInt32(const QString &text)
{
    return toInt32(strictDouble(text));
}

QString plainDecimal(double value, int significantDigits)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    if (value == std::floor(value) && std::fabs(value) < 9.0e18)
        return QString::number(qint64(value));
    const int exponent = int(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(significantDigits - 1 - exponent, 0, 340);
    QString s = QString::number(value, 'f', decimals);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

} // namespace NumberText
