#pragma once

#include <QString>
#include <cstdint>

// The rules by which the program reads numbers out of text boxes and writes them back.
// Values live as text in the controls; each caller picks the rule it was designed with.
namespace NumberText {

// Lenient numeric prefix: blanks, tabs and line feeds are ignored anywhere; then an optional
// sign, digits with at most one '.', an optional exponent (E or D); reading stops at the first
// other character. "&H"/"&O" read hexadecimal/octal whole numbers. No number at all reads as 0.
double lenient(const QString &text);

// Strict conversion to double: the whole text (blanks around it allowed) must be a number,
// otherwise RuntimeError 13 (type mismatch). An empty text is not a number.
double strictDouble(const QString &text);

// Strict conversion to a 16-bit whole number: strictDouble, rounded half to even, then
// RuntimeError 6 (overflow) outside -32768..32767.
int16_t strictInt16(const QString &text);

// Strict conversion to a 32-bit whole number: strictDouble, rounded half to even, then
// RuntimeError 6 (overflow) outside the 32-bit range.
int32_t strictInt32(const QString &text);

// A value rounded half to even and narrowed to 16 or 32 bits; RuntimeError 6 (overflow) when
// it does not fit.
int16_t toInt16(double value);
int32_t toInt32(double value);

// Narrows to single precision; RuntimeError 6 (overflow) when out of its range.
float toSingle(double value);

// Round half to even, as the classic whole-number conversions do.
double roundHalfEven(double value);

// Plain decimal text: whole numbers never get an exponent or a fraction; other values keep up
// to `significantDigits` significant digits, trailing zeros dropped. No leading blank.
QString plainDecimal(double value, int significantDigits = 15);

// Plain decimal text of a single-precision value (7 significant digits).
inline QString plainDecimalSingle(float value)
{
    return plainDecimal(double(value), 7);
}

} // namespace NumberText
