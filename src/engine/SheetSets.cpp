#include "SheetSets.h"

#include "Dialogs.h"
#include "RunMessages.h"
#include "RuntimeError.h"
#include "Texts.h"

namespace {

class RepeatedSheets final : public JobSheets
{
public:
    RepeatedSheets(std::unique_ptr<JobSheets> sheets, int copies)
        : m_sheets(std::move(sheets)), m_copies(copies)
    {}

    qint64 count() const override { return m_sheets->count() * m_copies; }
    QString number(qint64 sheet) const override { return m_sheets->number(sheet / m_copies); }
    void applyFont(PrinterSurface &printer) const override { m_sheets->applyFont(printer); }
    void draw(qint64 sheet, PrinterSurface &printer) const override
    {
        m_sheets->draw(sheet / m_copies, printer);
    }
    void checkFits(const PrinterSurface &printer) const override { m_sheets->checkFits(printer); }
    int places() const override { return m_sheets->places(); }
    std::optional<QString> numberAt(qint64 sheet, int place) const override
    {
        return m_sheets->numberAt(sheet / m_copies, place);
    }
    void drawPlace(qint64 sheet, int place, PrinterSurface &printer) const override
    {
        m_sheets->drawPlace(sheet / m_copies, place, printer);
    }
    std::optional<TicketPlace> locate(const RangeNumber &number) const override
    {
        auto at = m_sheets->locate(number);
        if (at)
            at->sheet *= m_copies;
        return at;
    }
    int copies() const override { return int(m_copies) * m_sheets->copies(); }
    qint64 tickets() const override { return m_sheets->tickets(); }
    QString lastNumber() const override { return m_sheets->lastNumber(); }
    qint64 blocks() const override { return m_sheets->blocks(); }
    qint64 blockOf(qint64 sheet) const override { return m_sheets->blockOf(sheet / m_copies); }

private:
    std::unique_ptr<JobSheets> m_sheets;
    qint64 m_copies;
};

} // namespace

int SheetSets::read(const QString &text)
{
    bool ok = false;
    const int copies = text.trimmed().toInt(&ok);
    if (!ok || copies < 1 || copies > kMost)
        throw RuntimeError(RuntimeError::InvalidPropertyValue, Texts::text(1040));
    return copies;
}

std::unique_ptr<JobSheets> SheetSets::repeat(std::unique_ptr<JobSheets> sheets, int copies)
{
    // A run has at most 2^53 + 1 sheets, so ten times that still fits.
    if (copies == 1)
        return sheets;
    return std::make_unique<RepeatedSheets>(std::move(sheets), copies);
}

bool SheetSets::accepted(const QString &text, Dialogs &dialogs)
{
    try {
        read(text);
        return true;
    } catch (const RuntimeError &error) {
        dialogs.message(error.description(), RunMessages::kTitle, Dialogs::Icon::Exclamation);
        return false;
    }
}
