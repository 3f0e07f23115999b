#include "DistinctNumberRun.h"

#include "Dialogs.h"
#include "NumberFormat.h"
#include "NumberText.h"
#include "PrinterSurface.h"
#include "RunMessages.h"
#include "RuntimeError.h"
#include "SheetRange.h"

#include <algorithm>
#include <vector>

namespace {

struct Row
{
    float x, y;
    double start;
    int16_t width;
};

double readSpan(const DistinctNumberJob &job)
{
    const double first = NumberText::strictDouble(job.desde[0]);
    const double last = NumberText::strictDouble(job.hasta[0]);
    NumberFormat::requireExact(first, job.desde[0]);
    NumberFormat::requireExact(last, job.hasta[0]);
    return last - first;
}

// Every enabled row is read before anything is drawn, so that a row holding something that is
// not a number stops the run without leaving a half-printed sheet in the open document.
std::vector<Row> readRows(const DistinctNumberJob &job, double span)
{
    std::vector<Row> rows;
    for (int j = 0; j < DistinctNumberJob::kRows; ++j) {
        if (job.off[j])
            continue;
        const float x = NumberText::toSingle(NumberText::lenient(job.posX[j]));
        const float y = NumberText::toSingle(NumberText::lenient(job.posY[j]));
        const double start = NumberText::strictDouble(job.desde[j]);
        NumberFormat::requireExact(start, job.desde[j]);
        const double last = start + span;
        NumberFormat::requireExact(last, NumberText::plainDecimal(last));
        rows.push_back({x, y, start, int16_t(job.desde[j].size())});
    }
    return rows;
}

void printSheets(const DistinctNumberJob &job, const FontChoice &font, PrinterSurface &printer, double span)
{
    printer.setFontName(font.name);
    printer.setFontSize(NumberText::strictInt16(font.sizeText)); // no 1..99 check on this page
    printer.setForeColor(font.color);

    const std::vector<Row> rows = readRows(job, span);
    const SheetRange range = SheetRange::between(0, span);
    for (qint64 sheet = 0; sheet < range.sheets; ++sheet) {
        const double k = double(sheet) * range.step;
        for (const Row &row : rows) {
            printer.printText(QString()); // begins the document on the first sheet
            printer.setCurrentPosition(row.x, row.y);
            QString text = NumberText::plainDecimal(row.start + k);
            NumberFormat::CompletarDigitos(text, row.width);
            printer.printText(text);
        }
        printer.newPage();
    }
    printer.endDoc();
}

RunOutcome fail(Dialogs &dialogs, const RuntimeError &error)
{
    dialogs.message(error.description(), RunMessages::kTitle, Dialogs::Icon::None);
    return RunOutcome::Failed;
}

} // namespace

RunOutcome runDistinctNumber(const DistinctNumberJob &job, const FontChoice &font, PrinterSurface &printer,
                             Dialogs &dialogs, double &FirstRowSpan)
{
    try {
        FirstRowSpan = readSpan(job);
    } catch (const RuntimeError &error) {
        return fail(dialogs, error);
    }
    if (job.desde[0].size() != job.hasta[0].size()) {
        dialogs.message(RunMessages::kDigits, RunMessages::kTitle, Dialogs::Icon::Information);
        return RunOutcome::DigitsMismatch;
    }
    if (std::all_of(job.off.begin(), job.off.end(), [](bool off) { return off; })) {
        dialogs.message(RunMessages::kAllOff, RunMessages::kTitle, Dialogs::Icon::Exclamation);
        return RunOutcome::NothingEnabled;
    }
    try {
        printSheets(job, font, printer, FirstRowSpan);
        return RunOutcome::Printed;
    } catch (const RuntimeError &error) {
        return fail(dialogs, error);
    }
}
