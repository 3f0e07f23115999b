#include "SeparatorSheets.h"

#include "PrinterSurface.h"
#include "RangeNumber.h"
#include "Texts.h"

namespace {

class Separated final : public JobSheets
{
public:
    Separated(std::unique_ptr<JobSheets> sheets, const PilePlan &plan, std::function<QString(qint64)> number,
              const QString &jobName)
        : m_sheets(std::move(sheets)), m_plan(plan), m_number(std::move(number)), m_name(jobName),
          m_perBlock(plan.block(0).sheets * m_sheets->copies())
    {}

    qint64 count() const override { return m_sheets->count() + m_plan.blocks(); }
    QString number(qint64 sheet) const override
    {
        const auto [block, inner] = split(sheet);
        return m_sheets->number(inner < 0 ? block * m_perBlock : inner);
    }
    void applyFont(PrinterSurface &printer) const override { m_sheets->applyFont(printer); }
    void checkFits(const PrinterSurface &printer) const override { m_sheets->checkFits(printer); }
    void draw(qint64 sheet, PrinterSurface &printer) const override
    {
        const auto [block, inner] = split(sheet);
        if (inner >= 0) {
            m_sheets->draw(inner, printer);
            return;
        }
        // Large type, then the run's own font back for the sheets that follow.
        const QRectF area = printer.printableAreaTwips();
        const QStringList text = SeparatorSheets::lines(m_plan, block, m_number, m_name);
        const float size = 28;
        printer.setFontSize(size);
        float y = float(area.height()) / 6;
        for (const QString &line : text) {
            printer.setCurrentX(float(area.width()) / 10);
            printer.setCurrentY(y);
            printer.printText(line);
            y += size * 20 * 1.5f;
        }
        m_sheets->applyFont(printer);
    }
    int places() const override { return m_sheets->places(); }
    std::optional<QString> numberAt(qint64 sheet, int place) const override
    {
        const qint64 inner = split(sheet).second;
        return inner < 0 ? std::nullopt : m_sheets->numberAt(inner, place);
    }
    void drawPlace(qint64 sheet, int place, PrinterSurface &printer) const override
    {
        const qint64 inner = split(sheet).second;
        if (inner >= 0)
            m_sheets->drawPlace(inner, place, printer);
    }
    std::optional<TicketPlace> locate(const RangeNumber &n) const override
    {
        auto at = m_sheets->locate(n);
        if (at)
            at->sheet += at->sheet / m_perBlock + 1;
        return at;
    }
    int copies() const override { return m_sheets->copies(); }
    qint64 tickets() const override { return m_sheets->tickets(); }
    QString lastNumber() const override { return m_sheets->lastNumber(); }
    qint64 blocks() const override { return m_sheets->blocks(); }
    qint64 blockOf(qint64 sheet) const override { return split(sheet).first; }

private:
    // The block a sheet belongs to, and its sheet among the run's (-1 for the separator).
    std::pair<qint64, qint64> split(qint64 sheet) const
    {
        const qint64 block = qMin(sheet / (m_perBlock + 1), m_plan.blocks() - 1);
        const qint64 within = sheet - block * (m_perBlock + 1);
        return {block, within == 0 ? -1 : block * m_perBlock + within - 1};
    }

    std::unique_ptr<JobSheets> m_sheets;
    PilePlan m_plan;
    std::function<QString(qint64)> m_number;
    QString m_name;
    qint64 m_perBlock;
};

} // namespace

QStringList SeparatorSheets::lines(const PilePlan &plan, qint64 block,
                                   const std::function<QString(qint64)> &number, const QString &jobName)
{
    QStringList out;
    if (!jobName.isEmpty())
        out << jobName;
    out << Texts::text(18060, QStringLiteral("Bloque %1 de %2")).arg(block + 1).arg(plan.blocks());
    const PilePlan::Block b = plan.block(block);
    for (int r = 0; r < plan.rows(); ++r) {
        const qint64 start = r * b.sheets;
        if (start >= b.numbers)
            break;
        const qint64 end = qMin(start + b.sheets, b.numbers) - 1;
        out << Texts::text(18036, QStringLiteral("Pila %1: %2 a %3"))
                   .arg(r + 1)
                   .arg(number(b.first + start), number(b.first + end));
    }
    return out;
}

std::unique_ptr<JobSheets> SeparatorSheets::insert(std::unique_ptr<JobSheets> sheets, const PilePlan &plan,
                                                   std::function<QString(qint64)> number,
                                                   const QString &jobName)
{
    return std::make_unique<Separated>(std::move(sheets), plan, std::move(number), jobName);
}
