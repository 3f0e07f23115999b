#pragma once

#include "RangeNumber.h"

#include <QtGlobal>
#include <optional>

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

    // The sheet (from 0) that carries `number` in a run from `start`; nothing when none does.
    std::optional<qint64> sheetOf(const RangeNumber &start, const RangeNumber &number) const
    {
        const qint64 steps = start.stepsTo(number);
        const qint64 sheet = steps * step;
        if (sheet < 0 || sheet >= sheets || start.plus(steps).text() != number.text())
            return std::nullopt;
        return sheet;
    }
};
