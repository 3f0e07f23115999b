#include "SameNumberRun.h"

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

struct Position
{
    float x, y;
};

void printRange(const SameNumberJob &job, const FontChoice &font, PrinterSurface &printer, Dialogs &dialogs,
                bool &sizeRefused)
{
    printer.printText(QString()); // begins the document and its first sheet
    printer.setFontName(font.name);
    printer.setForeColor(font.color);

    const int16_t size = NumberText::strictInt16(font.sizeText);
    if (size >= 100 || size <= 0) {
        dialogs.message(RunMessages::kBadFontSize, RunMessages::kTitle, Dialogs::Icon::Critical);
        sizeRefused = true;
        return; // the document stays open and the next run continues it
    }
    printer.setFontSize(size);

    // Refused here, before any sheet, when either end cannot be printed exactly as typed; every
    // number between two exact ends is exact too.
    const RangeNumber start = RangeNumber::read(job.desde);
    const RangeNumber end = RangeNumber::read(job.hasta);

    // Nothing can change the job while the run holds the window thread, so the enabled
    // positions are read once rather than once per sheet.
    std::vector<Position> positions;
    for (int i = 0; i < SameNumberJob::kPositions; ++i)
        if (!job.off[i])
            positions.push_back({NumberText::toSingle(NumberText::lenient(job.posX[i])),
                                 NumberText::toSingle(NumberText::lenient(job.posY[i]))});

    const SheetRange range = SheetRange::between(start, end);
    const qsizetype width = job.desde.size();
    for (qint64 k = 0; k < range.sheets; ++k) {
        const QString text = NumberFormat::padToWidth(start.plus(k * range.step).text(), width);
        for (const Position &p : positions) {
            printer.setCurrentPosition(p.x, p.y);
            printer.printText(text);
        }
        printer.newPage();
    }
    printer.endDoc();
}

} // namespace

RunOutcome runSameNumber(const SameNumberJob &job, const FontChoice &font, PrinterSurface &printer,
                         Dialogs &dialogs)
{
    if (std::all_of(job.off.begin(), job.off.end(), [](bool off) { return off; })) {
        dialogs.message(RunMessages::kAllOff, RunMessages::kTitle, Dialogs::Icon::Exclamation);
        return RunOutcome::NothingEnabled;
    }
    if (job.desde.size() != job.hasta.size()) {
        dialogs.message(RunMessages::kDigits, RunMessages::kTitle, Dialogs::Icon::Information);
        return RunOutcome::DigitsMismatch;
    }
    try {
        bool sizeRefused = false;
        printRange(job, font, printer, dialogs, sizeRefused);
        return sizeRefused ? RunOutcome::Failed : RunOutcome::Printed;
    } catch (const RuntimeError &error) {
        if (error.number() == RuntimeError::TypeMismatch)
            dialogs.message(RunMessages::kNotNumeric, RunMessages::kTitle, Dialogs::Icon::Critical);
        else
            dialogs.message(error.description(), RunMessages::kTitle, Dialogs::Icon::None);
        return RunOutcome::Failed;
    }
}
