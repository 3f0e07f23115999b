#include "RangeNumber.h"

#include "NumberText.h"
#include "RuntimeError.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

qint64 powerOfTen(int exponent)
{
    qint64 p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

RuntimeError tooLarge(const QString &number)
{
    return {RuntimeError::Overflow,
            QCoreApplication::translate("RangeNumber",
                                        "El número %1 es demasiado grande para imprimirse con exactitud. "
                                        "El mayor número admitido es 9007199254740992.")
                .arg(number)};
}

RuntimeError tooManyDecimals(const QString &number)
{
    return {RuntimeError::Overflow,
            QCoreApplication::translate(
                "RangeNumber", "El número %1 tiene demasiados decimales para imprimirse con exactitud.")
                .arg(number)};
}

bool withinLargest(qint64 whole, qint64 fraction)
{
    return whole >= -RangeNumber::kLargest &&
           (whole < RangeNumber::kLargest || (whole == RangeNumber::kLargest && fraction == 0));
}

// The decimal digits of a number the range rule has accepted, and the power of ten they are
// scaled by: "-12.50E3" gives digits "125", scale 2, negative.
struct Decimal
{
    bool negative = false;
    QString digits; // no leading or trailing zeros; empty for zero
    qint64 scale = 0;
};

Decimal splitDecimal(const QString &s)
{
    Decimal d;
    qsizetype i = 0;
    const auto isDigit = [&s](qsizetype at) { return at < s.size() && s[at] >= u'0' && s[at] <= u'9'; };
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        d.negative = s[i++] == u'-';
    for (; isDigit(i); ++i)
        d.digits += s[i];
    if (i < s.size() && s[i] == u'.')
        for (++i; isDigit(i); ++i, --d.scale)
            d.digits += s[i];
    if (i < s.size()) { // the exponent: E or D, an optional sign, digits
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            negativeExponent = s[i++] == u'-';
        qint64 exponent = 0;
        for (; isDigit(i); ++i) // capped: far beyond any exponent that can still be accepted
            exponent = std::min<qint64>(exponent * 10 + (s[i].unicode() - u'0'), 1000000);
        d.scale += negativeExponent ? -exponent : exponent;
    }
    qsizetype lead = 0;
    while (lead < d.digits.size() && d.digits[lead] == u'0')
        ++lead;
    d.digits.remove(0, lead);
    while (d.digits.endsWith(u'0')) {
        d.digits.chop(1);
        ++d.scale;
    }
    return d;
}

} // namespace

RangeNumber RangeNumber::read(const QString &typed)
{
    const double value = NumberText::strictDouble(typed); // the rule's own errors first
    const QString s = typed.trimmed();
    if (s.startsWith(u'&')) // &H / &O literals are whole numbers of at most 32 bits
        return {qint64(value), 0, 0};

    const Decimal d = splitDecimal(s);
    if (d.digits.isEmpty())
        return {0, 0, 0};
    const qint64 decimals = d.scale < 0 ? -d.scale : 0;
    const qint64 wholeDigits = d.digits.size() - decimals + (d.scale > 0 ? d.scale : 0);
    if (wholeDigits > 16) // 2^53 has 16 digits
        throw tooLarge(s);
    if (decimals > kMaxDecimals)
        throw tooManyDecimals(s);

    const QString digits = d.digits + QString(d.scale > 0 ? d.scale : 0, u'0');
    const qsizetype split = std::max<qsizetype>(0, digits.size() - decimals);
    qint64 whole = digits.left(split).toLongLong();
    qint64 fraction = digits.mid(split).toLongLong();
    if (!withinLargest(whole, fraction))
        throw tooLarge(s);
    if (d.negative) {
        whole = -whole;
        if (fraction != 0) {
            whole -= 1;
            fraction = powerOfTen(int(decimals)) - fraction;
        }
    }
    return {whole, fraction, int(decimals)};
}

RangeNumber RangeNumber::plus(qint64 steps) const
{
    const RangeNumber next(m_whole + steps, m_fraction, m_decimals);
    if (!withinLargest(next.m_whole, next.m_fraction))
        throw tooLarge(next.text());
    return next;
}

qint64 RangeNumber::stepsTo(const RangeNumber &end) const
{
    const int decimals = std::max(m_decimals, end.m_decimals);
    const qint64 from = m_fraction * powerOfTen(decimals - m_decimals);
    const qint64 to = end.m_fraction * powerOfTen(decimals - end.m_decimals);
    if (end.m_whole > m_whole || (end.m_whole == m_whole && to >= from))
        return end.m_whole - m_whole - (to < from ? 1 : 0);
    return -(m_whole - end.m_whole - (from < to ? 1 : 0));
}

QString RangeNumber::text() const
{
    if (m_fraction == 0)
        return QString::number(m_whole);
    qint64 whole = m_whole;
    qint64 fraction = m_fraction;
    QString sign;
    if (whole < 0) { // -1.25 is held as -2 + 0.75
        sign = QStringLiteral("-");
        whole = -whole - 1;
        fraction = powerOfTen(m_decimals) - fraction;
    }
    QString decimals = QString::number(fraction).rightJustified(m_decimals, u'0');
    while (decimals.endsWith(u'0'))
        decimals.chop(1);
    return sign + QString::number(whole) + u'.' + decimals;
}
