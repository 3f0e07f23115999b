#include "NumberFormat.h"

#include "NumberText.h"
#include "RuntimeError.h"

#include <cmath>

namespace NumberFormat {

QString padToWidth(double n, qsizetype width)
{
    const QString digits = NumberText::plainDecimal(n);
    const qsizetype zeros = width - digits.size();
    if (zeros < 0)
        throw RuntimeError::invalidCall();
    if (zeros == 0)
        return digits;
    return QString(zeros, u'0') + digits;
}

QString CompletarDigitos(QString &valor, int16_t largo)
{
    if (valor.size() < largo)
        valor.prepend(QString(largo - valor.size(), u'0'));
    return valor;
}

void requireExact(double n, const QString &typed)
{
    constexpr double kLargestExact = 9007199254740992.0; // 2^53
    if (std::fabs(n) > kLargestExact)
        throw RuntimeError(RuntimeError::Overflow,
                           QStringLiteral("El número %1 es demasiado grande para imprimirse con exactitud. "
                                          "El mayor número admitido es 9007199254740992.")
                               .arg(typed.trimmed()));
}

} // namespace NumberFormat
