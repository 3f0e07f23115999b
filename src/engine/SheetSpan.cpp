#include "SheetSpan.h"

#include "Texts.h"

#include <QRegularExpression>

namespace {

class SelectedSheets final : public JobSheets
{
public:
    SelectedSheets(std::unique_ptr<JobSheets> sheets, const SheetSpan &span)
        : m_sheets(std::move(sheets)), m_offset(span.first - 1), m_count(span.count())
    {}

    qint64 count() const override { return m_count; }
    QString number(qint64 sheet) const override { return m_sheets->number(m_offset + sheet); }
    void applyFont(PrinterSurface &printer) const override { m_sheets->applyFont(printer); }
    void draw(qint64 sheet, PrinterSurface &printer) const override
    {
        m_sheets->draw(m_offset + sheet, printer);
    }
    void checkFits(const PrinterSurface &printer) const override { m_sheets->checkFits(printer); }

private:
    std::unique_ptr<JobSheets> m_sheets;
    qint64 m_offset;
    qint64 m_count;
};

} // namespace

QString SheetSpan::refusal(qint64 first, qint64 last, qint64 total)
{
    if (first < 1)
        return Texts::text(3000);
    if (last < first)
        return Texts::text(3001).arg(last).arg(first);
    if (last > total)
        return Texts::text(3002).arg(total).arg(last);
    return QString();
}

std::optional<SheetSpan> SheetSpan::parse(const QString &text, qint64 total, QString &why)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,15})\\s*(-\\s*(\\d{0,15}))?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) {
        why = Texts::text(3003).arg(text);
        return std::nullopt;
    }
    const qint64 first = m.captured(1).toLongLong();
    qint64 last = first;
    if (m.hasCaptured(2))
        last = m.captured(3).isEmpty() ? total : m.captured(3).toLongLong();
    why = refusal(first, last, total);
    if (!why.isEmpty())
        return std::nullopt;
    return SheetSpan{first, last};
}

std::unique_ptr<JobSheets> selectSheets(std::unique_ptr<JobSheets> sheets, const SheetSpan &span)
{
    return std::make_unique<SelectedSheets>(std::move(sheets), span);
}
