#include "PilePlan.h"

#include "Texts.h"

#include <QStringList>

PilePlan::PilePlan(qint64 count, int rows, qint64 depth)
    : m_count(qMax<qint64>(count, 1)), m_rows(qBound(1, rows, 4))
{
    const qint64 whole = (m_count + m_rows - 1) / m_rows;
    // A depth beyond the whole run is no limit; capping it keeps rows * depth from overflowing.
    m_depth = depth <= 0 || depth > whole ? whole : depth;
    const qint64 perBlock = m_depth * m_rows;
    m_fullBlocks = m_count / perBlock;
    const qint64 rest = m_count - m_fullBlocks * perBlock;
    m_last = {m_fullBlocks * perBlock, (rest + m_rows - 1) / m_rows, rest};
}

PilePlan::Block PilePlan::block(qint64 index) const
{
    if (index < m_fullBlocks)
        return {index * m_depth * m_rows, m_depth, m_depth * m_rows};
    return m_last;
}

std::optional<qint64> PilePlan::offsetAt(qint64 sheet, int row) const
{
    const Block b = block(sheet / m_depth);
    const qint64 place = row * b.sheets + sheet % m_depth;
    if (place >= b.numbers)
        return std::nullopt;
    return b.first + place;
}

PilePlan::Place PilePlan::placeOf(qint64 offset) const
{
    const qint64 index = qMin(offset / (m_depth * m_rows), m_fullBlocks);
    const Block b = block(index);
    const qint64 place = offset - b.first;
    return {index * m_depth + place % b.sheets, int(place / b.sheets)};
}

QString describeBlocks(const PilePlan &plan, bool lastBlock)
{
    const auto sheets = [](qint64 n) { return n == 1 ? Texts::text(1008) : Texts::text(1009).arg(n); };
    QString text;
    const PilePlan::Block first = plan.block(0);
    const qint64 blocks = plan.blocks();
    if (blocks == 1)
        text = Texts::text(1010).arg(sheets(first.sheets));
    else if (plan.block(blocks - 1).sheets == first.sheets || !lastBlock)
        text = Texts::text(1011).arg(blocks).arg(sheets(first.sheets));
    else
        text = Texts::text(1012).arg(blocks).arg(sheets(first.sheets)).arg(plan.block(blocks - 1).sheets);
    return text;
}

QString describePiles(const PilePlan &plan, const std::function<QString(qint64)> &number)
{
    QString text = describeBlocks(plan);
    const PilePlan::Block first = plan.block(0);
    const qint64 blocks = plan.blocks();
    QStringList piles;
    for (int r = 0; r < plan.rows(); ++r) {
        const qint64 start = r * first.sheets;
        if (start >= first.numbers)
            break;
        const qint64 end = qMin(start + first.sheets, first.numbers) - 1;
        piles << Texts::text(1013).arg(r + 1).arg(number(first.first + start), number(first.first + end));
    }
    text += QStringLiteral("; ") + piles.join(QStringLiteral(", "));
    if (blocks > 1)
        text += QStringLiteral(" …");
    if (plan.blanks() > 0)
        text += plan.blanks() == 1 ? Texts::text(1014) : Texts::text(1015).arg(plan.blanks());
    return text;
}
