#pragma once

#include <QString>
#include <vector>

class RunLog;

// Runs a killed program, a power cut or a logout left "en curso" are brought up to date with
// the spooler's job history: how many of their sheets the printer completed.
namespace RunReconcile {

// A run's parts file (RunLog::partsPath) as read back.
struct Parts
{
    QString host;
    qint64 pid = 0;
    struct Part
    {
        int job = 0;
        qint64 sheets = 0;
        QString last; // the number on the part's last sheet
        QString member;
    };
    std::vector<Part> parts;
};
// False when there is no such file or it is not a parts file.
bool readParts(const QString &file, Parts &out);

// Every unfinished run of `log` whose program is gone and whose parts went to a CUPS queue gets a
// line with the sheets the printer completed: "completa" when it completed them all,
// "interrumpida" when a part stopped short, "sin confirmar" when the spooler no longer knows
// the first part not confirmed. A run with parts still at the spooler gets its count so far and
// stays unfinished. Returns how many lines it wrote; why one could not be written, in `problem`.
int reconcile(const RunLog &log, QString *problem = nullptr);

} // namespace RunReconcile
