#pragma once

#include "NumberLook.h"

class QComboBox;
class QLineEdit;

// The boxes that hold one position's look: the format list (in NumberLook::Format order), the
// texts before and after the number and the code's size.
struct NumberLookBoxes
{
    QComboBox *format = nullptr;
    QLineEdit *prefix = nullptr;
    QLineEdit *suffix = nullptr;
    QLineEdit *size = nullptr;

    NumberLook look() const;
    void show(const NumberLook &look) const;
};
