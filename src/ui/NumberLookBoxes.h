#pragma once

#include "NumberLook.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// The boxes that hold one position's look: the format list (in NumberLook::Format order), the
// texts before and after the number, the check digit (in CheckDigits::Scheme order), the code's
// size and bar width, the QR error correction (L, M, Q, H) and the quiet-zone and colour boxes.
struct NumberLookBoxes
{
    QComboBox *format = nullptr;
    QLineEdit *prefix = nullptr;
    QLineEdit *suffix = nullptr;
    QLineEdit *size = nullptr;
    QComboBox *check = nullptr;
    QLineEdit *module = nullptr;
    QComboBox *qrLevel = nullptr;
    QCheckBox *quietZone = nullptr;
    QCheckBox *codeInColor = nullptr;

    NumberLook look() const;
    void show(const NumberLook &look) const;
};
