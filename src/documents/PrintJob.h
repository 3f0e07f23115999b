#pragma once

#include "DistinctNumberRun.h"
#include "PdfTemplate.h"
#include "SameNumberRun.h"

#include <QString>
#include <QStringList>
#include <optional>

class ProfileFiles;

// A job file read the way the window opens it, for printing without a window: the boxes' rules
// (the enable chain, the boxes' lengths) applied to the stored values, the font found among
// the installed ones.
struct PrintJob
{
    int page = 0; // 0 same number, 1 distinct number
    SameNumberJob same;
    DistinctNumberJob distinct;
    FontChoice font;
    std::optional<int16_t> orientation;
    QString name; // the job file's name, as the printer queue shows it
    std::optional<PdfTemplate> pdfTemplate;
    // What the window would tell the user on opening it (an unknown font, no page stored);
    // neither stops the print.
    QStringList notices;

    // `file` must exist and have passed JobFile::refusal.
    static PrintJob read(const ProfileFiles &profiles, const QString &file);
};
