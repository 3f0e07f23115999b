#pragma once

#include "RunLog.h"

#include <QDate>
#include <QString>
#include <vector>

// What the log window shows: the runs a filter lets through, newest first, each followed by the
// replacements and continuations that belong to it.
struct LogFilter
{
    QString trabajo;   // part of the job's name; empty: any
    QString impresora; // part of the printer's name; empty: any
    QDate from, to;    // the day the run started, in local time, both included; invalid: open
    QString estado;    // RunLog's state ("sin terminar": still "en curso"); empty: any

    bool matches(const RunLog::Run &run) const;

    struct Row
    {
        const RunLog::Run *run;
        bool follower; // a replacement or continuation, under the run it belongs to
    };
    // `runs` as RunLog reads them (oldest first). A follower whose run is filtered out, or no
    // longer in the log, shows on its own.
    std::vector<Row> rows(const std::vector<RunLog::Run> &runs) const;
};
