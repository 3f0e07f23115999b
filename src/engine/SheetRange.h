#pragma once

#include "RangeNumber.h"

#include <QtGlobal>

// How a run walks from its first number to its last: one sheet per step of +1 or -1, counted on
// the exact numbers as typed, so that no two sheets can carry the same number.
struct SheetRange
{
    qint64 step;
    qint64 sheets;

    static SheetRange between(const RangeNumber &start, const RangeNumber &end)
    {
        const qint64 steps = start.stepsTo(end);
        return {steps < 0 ? -1 : 1, (steps < 0 ? -steps : steps) + 1};
    }

    // The offset of the last sheet's number from the first.
    qint64 lastOffset() const { return (sheets - 1) * step; }
};
