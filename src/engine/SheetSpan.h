#pragma once

#include "JobSheets.h"

#include <QString>
#include <memory>
#include <optional>

// Physical sheets J..K of a run (from 1, both included): what a reprint or `--sheets` prints.
struct SheetSpan
{
    qint64 first = 1;
    qint64 last = 1;

    qint64 count() const { return last - first + 1; }

    // "J-K", "J-" (to the end of the run) or "J"; nullopt with the reason in `why` when the text is
    // not that, is reversed or goes past the run's `total` sheets.
    static std::optional<SheetSpan> parse(const QString &text, qint64 total, QString &why);
    // The reason J..K cannot be taken from a run of `total` sheets; empty when it can.
    static QString refusal(qint64 first, qint64 last, qint64 total);
};

// The sheets of `span` of `sheets`, counted from 0 again; `span` must lie within them.
std::unique_ptr<JobSheets> selectSheets(std::unique_ptr<JobSheets> sheets, const SheetSpan &span);
