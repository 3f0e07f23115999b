#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// Cut-and-stack numbering: K tickets per sheet, the stack cut at the ticket boundaries, every
// pile reading in order. The run is split into blocks of at most `depth` sheets (what the
// guillotine cuts at once); within a block row r carries consecutive numbers, and each block
// goes on where the previous block's last pile ended. Numbers are offsets from the run's first.
class PilePlan
{
public:
    struct Block
    {
        qint64 first;   // offset of the block's first number
        qint64 sheets;  // sheets in the block: the depth of its piles
        qint64 numbers; // numbers it carries; fewer than rows * sheets only in the last block
    };

    // `count` numbers (at least 1) on `rows` rows (1 to 4); `depth` 0 means no limit.
    PilePlan(qint64 count, int rows, qint64 depth);

    qint64 count() const { return m_count; }
    int rows() const { return m_rows; }
    // ceil(count / rows): no plan can use fewer.
    qint64 sheets() const { return m_fullBlocks * m_depth + m_last.sheets; }
    qint64 blocks() const { return m_fullBlocks + (m_last.sheets > 0 ? 1 : 0); }
    Block block(qint64 index) const;
    // Places left empty at the end of the last block.
    qint64 blanks() const { return sheets() * m_rows - m_count; }

    // The offset printed at `row` of `sheet` (both from 0), or nothing for a blank place.
    std::optional<qint64> offsetAt(qint64 sheet, int row) const;
    // The other way round: the sheet and row that carry `offset` (0 to count() - 1).
    struct Place
    {
        qint64 sheet;
        int row;
    };
    Place placeOf(qint64 offset) const;

private:
    qint64 m_count;
    int m_rows;
    qint64 m_depth; // never more than the sheets of the whole run
    qint64 m_fullBlocks;
    Block m_last; // the block holding what the full blocks leave; no sheets when nothing is left
};

// The plan in words for the dialog, e.g. "3 bloques de 500 hojas; pila 1: 0001–0500 …".
// `number` writes an offset as it is printed.
QString describePiles(const PilePlan &plan, const std::function<QString(qint64)> &number);
// Its blocks alone, e.g. "3 bloques de 500 hojas (el último de 2)", for the line on the page,
// whose rows show the piles; without `lastBlock` the size of a shorter last block is left out.
QString describeBlocks(const PilePlan &plan, bool lastBlock = true);
