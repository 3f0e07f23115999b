#include "SameNumberRun.h"

#include "Dialogs.h"
#include "Logging.h"
#include "NumberFormat.h"
#include "NumberText.h"
#include "PrinterSurface.h"
#include "RangeNumber.h"
#include "RunMessages.h"
#include "RuntimeError.h"
#include "SheetLoop.h"
#include "SheetRange.h"
#include "SheetSets.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct Position
{
    float x, y;
    NumberPrinter look;
};

class SameNumberSheets final : public JobSheets
{
public:
    // Throws when either end cannot be printed exactly as typed; every number between two
    // exact ends is exact too.
    SameNumberSheets(const SameNumberJob &job, const FontChoice &font, int16_t size)
        : m_font(font), m_size(size), m_start(RangeNumber::read(job.desde)),
          m_range(SheetRange::between(m_start, RangeNumber::read(job.hasta))), m_width(job.desde.size())
    {
        // Nothing can change the job while the sheets are drawn, so the enabled positions are
        // read once rather than once per sheet.
        for (int i = 0; i < SameNumberJob::kPositions; ++i)
            if (!job.off[i])
                m_positions.push_back({NumberText::toSingle(NumberText::lenient(job.posX[i])),
                                       NumberText::toSingle(NumberText::lenient(job.posY[i])),
                                       NumberPrinter(job.looks[i], NumberPrinter::samePosition(i),
                                                     ends(job.looks[i]), font.color)});
    }

    // The numbers a code is checked with: the two ends, or the first alone when the last is
    // wider than the start (the run stops before it, as it always has).
    QStringList ends(const NumberLook &look) const
    {
        if (!look.isCode() && look.check == CheckDigits::Scheme::None)
            return {};
        QStringList list{number(0)};
        try {
            list << number(m_range.sheets - 1);
        } catch (const RuntimeError &e) {
            // Not an error here: the run stops before a last number wider than the start.
            qCDebug(lcPrint).noquote() << "Code checked with the first number only:" << describeFailure(e);
        }
        return list;
    }

    qint64 count() const override { return m_range.sheets; }
    QString number(qint64 sheet) const override
    {
        return NumberFormat::padToWidth(m_start.plus(sheet * m_range.step).text(), m_width);
    }
    void applyFont(PrinterSurface &printer) const override
    {
        printer.setFontName(m_font.name);
        printer.setForeColor(m_font.color);
        printer.setFontSize(m_size);
    }
    void checkFits(const PrinterSurface &printer) const override
    {
        for (const Position &p : m_positions)
            p.look.checkFits(printer, p.x, p.y);
    }
    std::optional<TicketPlace> locate(const RangeNumber &n) const override
    {
        if (const auto sheet = m_range.sheetOf(m_start, n))
            return TicketPlace{*sheet, 0};
        return std::nullopt;
    }
    void draw(qint64 sheet, PrinterSurface &printer) const override
    {
        const QString text = number(sheet);
        for (const Position &p : m_positions) {
            printer.setCurrentPosition(p.x, p.y);
            p.look.print(printer, text, m_codes);
        }
    }

private:
    FontChoice m_font;
    int16_t m_size;
    RangeNumber m_start;
    SheetRange m_range;
    qsizetype m_width;
    std::vector<Position> m_positions;
    mutable CodeCache m_codes;
};

// Codes that cannot print every number of the range refuse the job before the printer is
// touched. Ends that are not numbers are left to the run, which reports them as ever.
void checkLooks(const SameNumberJob &job, int32_t textColor)
{
    QStringList ends;
    for (int i = 0; i < SameNumberJob::kPositions; ++i) {
        if (job.off[i] || (!job.looks[i].isCode() && job.looks[i].check == CheckDigits::Scheme::None))
            continue;
        if (ends.isEmpty()) {
            try {
                const RangeNumber start = RangeNumber::read(job.desde);
                const SheetRange range = SheetRange::between(start, RangeNumber::read(job.hasta));
                const qsizetype width = job.desde.size();
                ends = {NumberFormat::padToWidth(start.text(), width)};
                // A last number wider than the start stops the run before it prints.
                ends << NumberFormat::padToWidth(start.plus(range.lastOffset()).text(), width);
            } catch (const RuntimeError &e) {
                // Not an error here: the run reports ends that are not numbers.
                qCDebug(lcPrint).noquote() << "Codes checked with fewer ends:" << describeFailure(e);
                if (ends.isEmpty())
                    return;
            }
        }
        NumberPrinter(job.looks[i], NumberPrinter::samePosition(i), ends, textColor);
    }
}

// The checks made before the printer is touched; the outcome when one refuses the job.
std::optional<RunOutcome> refusal(const SameNumberJob &job, Dialogs &dialogs)
{
    if (std::all_of(job.off.begin(), job.off.end(), [](bool off) { return off; })) {
        dialogs.message(RunMessages::allOff(), RunMessages::kTitle, Dialogs::Icon::Exclamation);
        return RunOutcome::NothingEnabled;
    }
    if (job.desde.size() != job.hasta.size()) {
        dialogs.message(RunMessages::digits(), RunMessages::kTitle, Dialogs::Icon::Information);
        return RunOutcome::DigitsMismatch;
    }
    if (!SheetSets::accepted(job.juegos, dialogs))
        return RunOutcome::Failed;
    return std::nullopt;
}

bool sizeAccepted(int16_t size)
{
    return size > 0 && size < 100;
}

void reportError(const RuntimeError &error, Dialogs &dialogs)
{
    if (error.number() == RuntimeError::TypeMismatch)
        dialogs.message(RunMessages::notNumeric(), RunMessages::kTitle, Dialogs::Icon::Critical);
    else
        dialogs.message(error.description(), RunMessages::kTitle, Dialogs::Icon::None);
}

RunOutcome printRange(const SameNumberJob &job, const FontChoice &font, PrinterSurface &printer,
                      Dialogs &dialogs, RunObserver *observer)
{
    // Every check comes before the printer is touched: a refused run begins no document.
    const int16_t size = NumberText::strictInt16(font.sizeText);
    if (!sizeAccepted(size)) {
        dialogs.message(RunMessages::badFontSize(), RunMessages::kTitle, Dialogs::Icon::Critical);
        return RunOutcome::Failed;
    }
    const auto sheets =
        SheetSets::repeat(std::make_unique<SameNumberSheets>(job, font, size), SheetSets::read(job.juegos));
    printer.setFontName(font.name);
    printer.setForeColor(font.color);
    printer.setFontSize(size);
    return printSheets(*sheets, printer, dialogs, observer) ? RunOutcome::Printed : RunOutcome::Cancelled;
}

} // namespace

RunOutcome runSameNumber(const SameNumberJob &job, const FontChoice &font, PrinterSurface &printer,
                         Dialogs &dialogs, RunObserver *observer)
{
    if (const auto refused = refusal(job, dialogs))
        return *refused;
    try {
        checkLooks(job, font.color);
        return printRange(job, font, printer, dialogs, observer);
    } catch (const RuntimeError &error) {
        reportError(error, dialogs);
        return RunOutcome::Failed;
    }
}

std::unique_ptr<JobSheets> sameNumberSheets(const SameNumberJob &job, const FontChoice &font,
                                            Dialogs &dialogs)
{
    if (refusal(job, dialogs))
        return nullptr;
    try {
        const int16_t size = NumberText::strictInt16(font.sizeText);
        if (!sizeAccepted(size)) {
            dialogs.message(RunMessages::badFontSize(), RunMessages::kTitle, Dialogs::Icon::Critical);
            return nullptr;
        }
        return SheetSets::repeat(std::make_unique<SameNumberSheets>(job, font, size),
                                 SheetSets::read(job.juegos));
    } catch (const RuntimeError &error) {
        reportError(error, dialogs);
        return nullptr;
    }
}

RunOutcome printChosenSheets(const JobSheets &sheets, PrinterSurface &printer, Dialogs &dialogs,
                             RunObserver *observer)
{
    try {
        sheets.applyFont(printer);
        return printSheets(sheets, printer, dialogs, observer) ? RunOutcome::Printed : RunOutcome::Cancelled;
    } catch (const RuntimeError &error) {
        dialogs.message(error.description(), RunMessages::kTitle, Dialogs::Icon::None);
        return RunOutcome::Failed;
    }
}
