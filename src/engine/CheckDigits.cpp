#include "CheckDigits.h"

namespace CheckDigits {
namespace {

bool onlyDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Digit i from the right, 0 being the last.
int fromRight(const QString &digits, qsizetype i)
{
    return digits[digits.size() - 1 - i].unicode() - u'0';
}

int luhn(const QString &digits)
{
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        int d = fromRight(digits, i);
        if (i % 2 == 0) { // the digit next to the check is doubled
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return (10 - sum % 10) % 10;
}

int mod10(const QString &digits)
{
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        sum += fromRight(digits, i) * (i % 2 == 0 ? 3 : 1);
    return (10 - sum % 10) % 10;
}

// 0 to 10. Weights run 2 to 10 and start again, so numbers of any length have one.
int mod11(const QString &digits)
{
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        sum += fromRight(digits, i) * int(2 + i % 9);
    return (11 - sum % 11) % 11;
}

struct Name
{
    Scheme scheme;
    const char *key;
};
constexpr Name kNames[] = {
    {Scheme::Luhn, "Luhn"},
    {Scheme::Mod10, "Mod10"},
    {Scheme::Mod11X, "Mod11"},
    {Scheme::Mod11Zero, "Mod11-0"},
};

} // namespace

QString of(Scheme scheme, const QString &digits)
{
    if (scheme == Scheme::None || !onlyDigits(digits))
        return QString();
    switch (scheme) {
    case Scheme::Luhn:
        return QString::number(luhn(digits));
    case Scheme::Mod10:
        return QString::number(mod10(digits));
    case Scheme::Mod11X:
    case Scheme::Mod11Zero: {
        const int check = mod11(digits);
        if (check == 10)
            return scheme == Scheme::Mod11X ? QStringLiteral("X") : QStringLiteral("0");
        return QString::number(check);
    }
    case Scheme::None:
        break;
    }
    return QString();
}

QString key(Scheme scheme)
{
    for (const Name &n : kNames)
        if (n.scheme == scheme)
            return QString::fromLatin1(n.key);
    return QString();
}

Scheme fromKey(const QString &key)
{
    const QString word = key.trimmed();
    for (const Name &n : kNames)
        if (word.compare(QLatin1String(n.key), Qt::CaseInsensitive) == 0)
            return n.scheme;
    return Scheme::None;
}

} // namespace CheckDigits
