#pragma once

#include <QString>
#include <cstdint>

// How printed numbers are written: plain decimal, left-padded with zeros.
namespace NumberFormat {

// Same-number rule: the plain decimal text of `n` padded with zeros to `width` characters.
// A text longer than `width` cannot be padded and raises RuntimeError 5.
QString padToWidth(double n, qsizetype width);

// Left-pads `valor` with "0" to `largo` characters, updating it in place and returning it;
// never cuts a longer text.
QString CompletarDigitos(QString &valor, int16_t largo);

// Numbers beyond 2^53 cannot be held exactly, so they could print as another number; the runs
// refuse them with this error instead.
void requireExact(double n, const QString &typed);

} // namespace NumberFormat
