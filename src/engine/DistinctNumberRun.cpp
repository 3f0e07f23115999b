#include "DistinctNumberRun.h"

#include "Dialogs.h"
#include "NumberFormat.h"
#include "NumberText.h"
#include "PrinterSurface.h"
#include "RangeNumber.h"
#include "RunMessages.h"
#include "RuntimeError.h"
#include "SheetRange.h"

#include <algorithm>
#include <vector>

namespace {

struct Row
{
    float x, y;
    RangeNumber start;
    int16_t width;
};

// The first row's ends decide how many sheets come out; FirstRowSpan keeps their difference as
// the window reads it.
SheetRange readFirstRow(const DistinctNumberJob &job, double &span)
{
    const RangeNumber first = RangeNumber::read(job.desde[0]);
    const RangeNumber last = RangeNumber::read(job.hasta[0]);
    span = NumberText::strictDouble(job.hasta[0]) - NumberText::strictDouble(job.desde[0]);
    return SheetRange::between(first, last);
}

// Every enabled row is read before anything is drawn, so that a row holding something that is
// not a number, or one whose last number could not be printed exactly, stops the run without
// leaving a half-printed sheet in the open document.
std::vector<Row> readRows(const DistinctNumberJob &job, const SheetRange &range)
{
    std::vector<Row> rows;
    for (int j = 0; j < DistinctNumberJob::kRows; ++j) {
        if (job.off[j])
            continue;
        const float x = NumberText::toSingle(NumberText::lenient(job.posX[j]));
        const float y = NumberText::toSingle(NumberText::lenient(job.posY[j]));
        const RangeNumber start = RangeNumber::read(job.desde[j]);
        start.plus(range.lastOffset()); // the numbers in between lie within the two ends
        rows.push_back({x, y, start, int16_t(job.desde[j].size())});
    }
    return rows;
}

void printSheets(const DistinctNumberJob &job, const FontChoice &font, PrinterSurface &printer,
                 const SheetRange &range)
{
    printer.setFontName(font.name);
    printer.setFontSize(NumberText::strictInt16(font.sizeText)); // no 1..99 check on this page
    printer.setForeColor(font.color);

    const std::vector<Row> rows = readRows(job, range);
    for (qint64 sheet = 0; sheet < range.sheets; ++sheet) {
        for (const Row &row : rows) {
            printer.printText(QString()); // begins the document on the first sheet
            printer.setCurrentPosition(row.x, row.y);
            QString text = row.start.plus(sheet * range.step).text();
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
    SheetRange range{};
    try {
        range = readFirstRow(job, FirstRowSpan);
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
        printSheets(job, font, printer, range);
        return RunOutcome::Printed;
    } catch (const RuntimeError &error) {
        return fail(dialogs, error);
    }
}
