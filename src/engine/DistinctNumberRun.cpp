#include "DistinctNumberRun.h"

#include "Dialogs.h"
#include "NumberFormat.h"
#include "NumberText.h"
#include "PilePlan.h"
#include "PrinterSurface.h"
#include "RangeNumber.h"
#include "RunMessages.h"
#include "RuntimeError.h"
#include "SeparatorSheets.h"
#include "SheetLoop.h"
#include "SheetRange.h"
#include "SheetSets.h"
#include "Texts.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

struct Row
{
    float x, y;
    RangeNumber start;
    int16_t width;
    std::optional<NumberPrinter> look; // set once the row's numbers are known
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

class DistinctNumberSheets final : public JobSheets
{
public:
    // Every enabled row is read before anything is drawn, so that a row holding something that
    // is not a number, or one whose last number could not be printed exactly, stops the run
    // without leaving a half-printed sheet in the open document.
    DistinctNumberSheets(const DistinctNumberJob &job, const FontChoice &font, const SheetRange &range)
        : m_font(font), m_range(range)
    {
        for (int j = 0; j < DistinctNumberJob::kRows; ++j) {
            if (job.off[j])
                continue;
            const float x = NumberText::toSingle(NumberText::lenient(job.posX[j]));
            const float y = NumberText::toSingle(NumberText::lenient(job.posY[j]));
            const RangeNumber start = RangeNumber::read(job.desde[j]);
            start.plus(range.lastOffset()); // the numbers in between lie within the two ends
            Row row{x, y, start, int16_t(job.desde[j].size()), std::nullopt};
            const bool checked = job.looks[j].isCode() || job.looks[j].check != CheckDigits::Scheme::None;
            row.look.emplace(job.looks[j], NumberPrinter::distinctRow(j),
                             checked ? QStringList{rowNumber(row, 0), rowNumber(row, range.sheets - 1)}
                                     : QStringList(),
                             font.color);
            m_rows.push_back(std::move(row));
        }
    }

    qint64 count() const override { return m_range.sheets; }
    QString number(qint64 sheet) const override { return rowNumber(m_rows.front(), sheet); }
    void applyFont(PrinterSurface &printer) const override { applyFontTo(printer, m_font); }
    static void applyFontTo(PrinterSurface &printer, const FontChoice &font)
    {
        printer.setFontName(font.name);
        printer.setFontSize(NumberText::strictInt16(font.sizeText)); // no 1..99 check on this page
        printer.setForeColor(font.color);
    }
    void checkFits(const PrinterSurface &printer) const override
    {
        for (const Row &row : m_rows)
            row.look->checkFits(printer, row.x, row.y);
    }
    void draw(qint64 sheet, PrinterSurface &printer) const override
    {
        for (int r = 0; r < int(m_rows.size()); ++r)
            drawPlace(sheet, r, printer);
    }
    int places() const override { return int(m_rows.size()); }
    std::optional<QString> numberAt(qint64 sheet, int place) const override
    {
        return rowNumber(m_rows[place], sheet);
    }
    void drawPlace(qint64 sheet, int place, PrinterSurface &printer) const override
    {
        const Row &row = m_rows[place];
        printer.printText(QString()); // begins the document on the first sheet
        printer.setCurrentPosition(row.x, row.y);
        row.look->print(printer, rowNumber(row, sheet), m_codes);
    }
    std::optional<TicketPlace> locate(const RangeNumber &n) const override
    {
        for (int r = 0; r < int(m_rows.size()); ++r)
            if (const auto sheet = m_range.sheetOf(m_rows[r].start, n))
                return TicketPlace{*sheet, r};
        return std::nullopt;
    }
    qint64 tickets() const override { return m_range.sheets * qint64(m_rows.size()); }

private:
    QString rowNumber(const Row &row, qint64 sheet) const
    {
        QString text = row.start.plus(sheet * m_range.step).text();
        NumberFormat::CompletarDigitos(text, row.width);
        return text;
    }

    FontChoice m_font;
    SheetRange m_range;
    std::vector<Row> m_rows;
    mutable CodeCache m_codes;
};

// Piles: each enabled row takes its number from the plan; the places past the run's last number
// stay blank.
class PileSheets final : public JobSheets
{
public:
    PileSheets(const DistinctNumberJob &job, const FontChoice &font)
        : m_font(font), m_run(PileRun::read(job.piles)), m_plan(m_run.count, enabledRows(job), m_run.depth)
    {
        const QStringList ends{m_run.number(0), m_run.number(m_run.count - 1)};
        for (int j = 0; j < DistinctNumberJob::kRows; ++j)
            if (!job.off[j])
                m_places.push_back(
                    {NumberText::toSingle(NumberText::lenient(job.posX[j])),
                     NumberText::toSingle(NumberText::lenient(job.posY[j])),
                     NumberPrinter(job.looks[j], NumberPrinter::distinctRow(j), ends, font.color)});
    }

    static int enabledRows(const DistinctNumberJob &job)
    {
        return int(std::count(job.off.begin(), job.off.end(), false));
    }

    qint64 count() const override { return m_plan.sheets(); }
    // The first row is never blank: every pile of a block is at least as long as the next.
    QString number(qint64 sheet) const override
    {
        return m_run.number(m_plan.offsetAt(sheet, 0).value_or(0));
    }
    void applyFont(PrinterSurface &printer) const override
    {
        DistinctNumberSheets::applyFontTo(printer, m_font);
    }
    void checkFits(const PrinterSurface &printer) const override
    {
        for (const Place &place : m_places)
            place.look.checkFits(printer, place.x, place.y);
    }
    void draw(qint64 sheet, PrinterSurface &printer) const override
    {
        for (int r = 0; r < int(m_places.size()); ++r)
            drawPlace(sheet, r, printer);
    }
    int places() const override { return int(m_places.size()); }
    std::optional<QString> numberAt(qint64 sheet, int place) const override
    {
        const auto offset = m_plan.offsetAt(sheet, place);
        return offset ? std::optional<QString>(m_run.number(*offset)) : std::nullopt;
    }
    void drawPlace(qint64 sheet, int place, PrinterSurface &printer) const override
    {
        printer.printText(QString()); // begins the document on the first sheet
        const auto offset = m_plan.offsetAt(sheet, place);
        if (!offset)
            return;
        printer.setCurrentPosition(m_places[place].x, m_places[place].y);
        m_places[place].look.print(printer, m_run.number(*offset), m_codes);
    }
    std::optional<TicketPlace> locate(const RangeNumber &n) const override
    {
        const auto offset = SheetRange{m_run.step, m_run.count}.sheetOf(m_run.first, n);
        if (!offset)
            return std::nullopt;
        const PilePlan::Place at = m_plan.placeOf(*offset);
        return TicketPlace{at.sheet, at.row};
    }
    qint64 tickets() const override { return m_run.count; }
    QString lastNumber() const override { return m_run.number(m_run.count - 1); }
    qint64 blocks() const override { return m_plan.blocks(); }
    qint64 blockOf(qint64 sheet) const override { return sheet / qMax<qint64>(m_plan.block(0).sheets, 1); }
    const PilePlan &plan() const { return m_plan; }
    const PileRun &run() const { return m_run; }

private:
    struct Place
    {
        float x, y;
        NumberPrinter look;
    };
    FontChoice m_font;
    PileRun m_run;
    PilePlan m_plan;
    std::vector<Place> m_places;
    mutable CodeCache m_codes;
};

RunOutcome fail(Dialogs &dialogs, const RuntimeError &error)
{
    dialogs.message(error.description(), RunMessages::kTitle, Dialogs::Icon::None);
    return RunOutcome::Failed;
}

// The checks made before the printer is touched; the outcome when one refuses the job.
std::optional<RunOutcome> setsRefusal(const DistinctNumberJob &job, Dialogs &dialogs)
{
    if (!SheetSets::accepted(job.juegos, dialogs))
        return RunOutcome::Failed;
    return std::nullopt;
}

std::optional<RunOutcome> refusal(const DistinctNumberJob &job, Dialogs &dialogs, SheetRange &range,
                                  double &span)
{
    if (job.piles.on) {
        // The rows' own ends only show the plan; the run's ends are the piles'.
        if (std::all_of(job.off.begin(), job.off.end(), [](bool off) { return off; })) {
            dialogs.message(RunMessages::allOff(), RunMessages::kTitle, Dialogs::Icon::Exclamation);
            return RunOutcome::NothingEnabled;
        }
        return setsRefusal(job, dialogs);
    }
    try {
        range = readFirstRow(job, span);
    } catch (const RuntimeError &error) {
        return fail(dialogs, error);
    }
    if (job.desde[0].size() != job.hasta[0].size()) {
        dialogs.message(RunMessages::digits(), RunMessages::kTitle, Dialogs::Icon::Information);
        return RunOutcome::DigitsMismatch;
    }
    if (std::all_of(job.off.begin(), job.off.end(), [](bool off) { return off; })) {
        dialogs.message(RunMessages::allOff(), RunMessages::kTitle, Dialogs::Icon::Exclamation);
        return RunOutcome::NothingEnabled;
    }
    return setsRefusal(job, dialogs);
}

std::unique_ptr<JobSheets> makeSheets(const DistinctNumberJob &job, const FontChoice &font,
                                      const SheetRange &range)
{
    const int copies = SheetSets::read(job.juegos);
    if (job.piles.on) {
        auto piles = std::make_unique<PileSheets>(job, font);
        const PilePlan plan = piles->plan();
        const PileRun run = piles->run();
        std::unique_ptr<JobSheets> sheets = SheetSets::repeat(std::move(piles), copies);
        if (!job.separadores)
            return sheets;
        return SeparatorSheets::insert(
            std::move(sheets), plan, [run](qint64 offset) { return run.number(offset); }, job.nombre);
    }
    return SheetSets::repeat(std::make_unique<DistinctNumberSheets>(job, font, range), copies);
}

} // namespace

PileRun PileRun::read(const DistinctNumberJob::Piles &piles)
{
    const RangeNumber first = RangeNumber::read(piles.desde);
    const SheetRange range = SheetRange::between(first, RangeNumber::read(piles.hasta));
    const QString depthText = piles.profundidad.trimmed();
    double depth = 0;
    if (!depthText.isEmpty()) {
        try {
            depth = NumberText::strictDouble(depthText);
        } catch (const RuntimeError &) {
            depth = -1; // refused just below, with the message that says what a depth must be
        }
    }
    if (!(depth >= 0 && depth <= double(RangeNumber::kLargest) && depth == std::floor(depth)))
        throw RuntimeError(RuntimeError::InvalidPropertyValue, Texts::text(1016));
    return {first, range.step, range.sheets, qint64(depth), piles.hasta.size()};
}

QString PileRun::number(qint64 offset) const
{
    QString text = first.plus(offset * step).text();
    return NumberFormat::CompletarDigitos(text, int16_t(qMin<qsizetype>(width, 32767)));
}

RunOutcome runDistinctNumber(const DistinctNumberJob &job, const FontChoice &font, PrinterSurface &printer,
                             Dialogs &dialogs, double &FirstRowSpan, RunObserver *observer)
{
    SheetRange range{};
    if (const auto refused = refusal(job, dialogs, range, FirstRowSpan))
        return *refused;
    try {
        const std::unique_ptr<JobSheets> sheets = makeSheets(job, font, range);
        DistinctNumberSheets::applyFontTo(printer, font);
        return printSheets(*sheets, printer, dialogs, observer) ? RunOutcome::Printed : RunOutcome::Cancelled;
    } catch (const RuntimeError &error) {
        return fail(dialogs, error);
    }
}

std::unique_ptr<JobSheets> distinctNumberSheets(const DistinctNumberJob &job, const FontChoice &font,
                                                Dialogs &dialogs)
{
    SheetRange range{};
    double span = 0;
    if (refusal(job, dialogs, range, span))
        return nullptr;
    try {
        NumberText::strictInt16(font.sizeText);
        return makeSheets(job, font, range);
    } catch (const RuntimeError &error) {
        fail(dialogs, error);
        return nullptr;
    }
}
