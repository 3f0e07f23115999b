#pragma once

#include <QString>

// Check digits a shop puts after a running number, so a mistyped or misread number shows.
namespace CheckDigits {

enum class Scheme {
    None,
    Luhn,      // cards and many ticket systems
    Mod10,     // weights 3 and 1 from the right, as EAN and UPC
    Mod11X,    // weights 2, 3, ... from the right; a check of 10 written "X", as ISBN-10
    Mod11Zero, // the same, a check of 10 written "0"
};

// The check digit of `digits` (only 0-9, at least one) under `scheme`; empty for Scheme::None
// or when `digits` holds anything else.
QString of(Scheme scheme, const QString &digits);

// As the job file stores it: "Luhn", "Mod10", "Mod11" (10 as X), "Mod11-0" (10 as 0); None is
// empty. Any other word, missing ("Vacio") included, is none.
QString key(Scheme scheme);
Scheme fromKey(const QString &key);

} // namespace CheckDigits
