#pragma once

#include <QtGlobal>
#include <cmath>

// How a run walks from its first number to its last: one sheet per step of +1 or -1. The sheets
// are counted rather than found by comparing with the end, because near 2^53 adding 1 no longer
// changes a double and such a loop would never end.
struct SheetRange
{
    double step;
    qint64 sheets;

    static SheetRange between(double start, double end)
    {
        const double step = end >= start ? 1 : -1;
        return {step, qint64(std::floor((end - start) / step)) + 1};
    }
};
