#pragma once

#include "PilePlan.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class PrinterSurface;

// The pile plan as the cutter needs it beside the guillotine: every block with its sheets and
// every pile with its first and last number.
namespace PilePlanPage {

struct Pile
{
    QString first, last;
};
struct Block
{
    qint64 firstSheet, lastSheet; // physical sheets of the run, from 1, sets and separators counted
    std::vector<Pile> piles;
};

// `copies`: each sheet printed that many times in a row; `separators`: a separator sheet before
// each block. `number` writes an offset as the run prints it.
std::vector<Block> blocks(const PilePlan &plan, const std::function<QString(qint64)> &number, int copies,
                          bool separators);

struct Heading
{
    QString job, printer, date;
};
// The page in lines: the heading, then each block and its piles.
QStringList lines(const Heading &heading, const PilePlan &plan, const std::vector<Block> &blocks);

// Draws `lines` on one page of `printer` (on more only when they cannot fit at a readable size)
// and ends the document.
void print(const QStringList &lines, PrinterSurface &printer);

} // namespace PilePlanPage
