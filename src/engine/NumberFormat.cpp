#include "NumberFormat.h"

#include "RuntimeError.h"

namespace NumberFormat {
namespace {

void padInPlace(QString &number, qsizetype width)
{
    if (number.size() < width)
        number.insert(number.startsWith(u'-') ? 1 : 0, QString(width - number.size(), u'0'));
}

} // namespace

QString padToWidth(const QString &number, qsizetype width)
{
    if (number.size() > width)
        throw RuntimeError::invalidCall();
    QString padded = number;
    padInPlace(padded, width);
    return padded;
}

QString CompletarDigitos(QString &valor, int16_t largo)
{
    padInPlace(valor, largo);
    return valor;
}

} // namespace NumberFormat
