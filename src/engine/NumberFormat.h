#pragma once

#include <QString>
#include <cstdint>

// How printed numbers are written: plain decimal, padded with zeros to a width. The zeros go
// after a leading minus sign, so that a negative number stays one ("-005", not "00-5").
namespace NumberFormat {

// Same-number rule: `number` padded with zeros to `width` characters. A text longer than `width`
// cannot be padded and raises RuntimeError 5.
QString padToWidth(const QString &number, qsizetype width);

// Pads `valor` with "0" to `largo` characters, updating it in place and returning it; never
// cuts a longer text.
QString CompletarDigitos(QString &valor, int16_t largo);

} // namespace NumberFormat
