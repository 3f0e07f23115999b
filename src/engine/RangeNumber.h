#pragma once

#include <QString>
#include <QtGlobal>

// A range end or row start held exactly as it was typed: the whole part and the decimals are kept
// apart, so counting on from a number never rounds. A double cannot tell 2^53 + 1 from 2^53, and
// a run counting in doubles would print one ticket number twice.
class RangeNumber
{
public:
    // 2^53: the rest of the program reads the boxes as doubles, which tell every whole number
    // apart only up to here, so no run goes beyond it.
    static constexpr qint64 kLargest = qint64(1) << 53;
    static constexpr int kMaxDecimals = 18;

    // Reads `typed` by the range rule (RuntimeError 13 when it is no number) and refuses with
    // RuntimeError 6, naming the text, a number that could not be printed as typed.
    static RangeNumber read(const QString &typed);

    // The number `steps` whole steps further on; refused like read() beyond kLargest.
    RangeNumber plus(qint64 steps) const;
    // Whole steps of 1 from this number that stay within `end`, negative when `end` is smaller:
    // a run from here to `end` has that many sheets plus one.
    qint64 stepsTo(const RangeNumber &end) const;

    // Plain decimal: no exponent, no zeros after the last decimal, no leading zeros.
    QString text() const;

private:
    RangeNumber(qint64 whole, qint64 fraction, int decimals)
        : m_whole(whole), m_fraction(fraction), m_decimals(decimals)
    {}

    qint64 m_whole;    // the largest whole number not above the value
    qint64 m_fraction; // what lies above m_whole, in units of 10^-m_decimals
    int m_decimals;
};
