#include "PilePlanPage.h"

#include "PrinterSurface.h"
#include "Texts.h"

#include <algorithm>

std::vector<PilePlanPage::Block> PilePlanPage::blocks(const PilePlan &plan,
                                                      const std::function<QString(qint64)> &number,
                                                      int copies, bool separators)
{
    std::vector<Block> out;
    qint64 sheet = 0; // physical sheets before the block
    for (qint64 i = 0; i < plan.blocks(); ++i) {
        const PilePlan::Block b = plan.block(i);
        if (separators)
            ++sheet;
        Block block{sheet + 1, sheet + b.sheets * copies, {}};
        for (int r = 0; r < plan.rows(); ++r) {
            const qint64 start = r * b.sheets;
            if (start >= b.numbers)
                break;
            const qint64 end = qMin(start + b.sheets, b.numbers) - 1;
            block.piles.push_back({number(b.first + start), number(b.first + end)});
        }
        out.push_back(std::move(block));
        sheet += b.sheets * copies;
    }
    return out;
}

QStringList PilePlanPage::lines(const Heading &heading, const PilePlan &plan,
                                const std::vector<Block> &blocks)
{
    QStringList out;
    out << Texts::text(18030, QStringLiteral("Plan de pilas"))
        << Texts::text(18031, QStringLiteral("Trabajo: %1")).arg(heading.job)
        << Texts::text(18032, QStringLiteral("Impresora: %1")).arg(heading.printer)
        << Texts::text(18033, QStringLiteral("Fecha: %1")).arg(heading.date)
        << Texts::text(18034, QStringLiteral("%1 boletos en %2 hojas; %3"))
               .arg(plan.count())
               .arg(blocks.empty() ? 0 : blocks.back().lastSheet)
               .arg(describeBlocks(plan))
        << QString();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block &b = blocks[i];
        out << Texts::text(18035, QStringLiteral("Bloque %1: hojas %2 a %3"))
                   .arg(i + 1)
                   .arg(b.firstSheet)
                   .arg(b.lastSheet);
        for (std::size_t p = 0; p < b.piles.size(); ++p)
            out << QStringLiteral("    ") + Texts::text(18036, QStringLiteral("Pila %1: %2 a %3"))
                                                .arg(p + 1)
                                                .arg(b.piles[p].first, b.piles[p].last);
    }
    return out;
}

void PilePlanPage::print(const QStringList &lines, PrinterSurface &printer)
{
    const QRectF area = printer.printableAreaTwips();
    const float margin = 720; // half an inch
    // Ten points a line (200 twips), smaller down to six when the plan is long.
    const float usable = float(area.height()) - 2 * margin;
    const float step = std::clamp(usable / float(qMax<qsizetype>(lines.size(), 1)), 120.0f, 200.0f);
    printer.setFontSize(step / 20 * 0.8f);
    printer.setForeColor(0);
    float y = margin;
    bool first = true;
    for (const QString &line : lines) {
        if (y + step > area.height() - margin && !first) {
            printer.newPage();
            y = margin;
        }
        printer.setCurrentX(margin);
        printer.setCurrentY(y);
        printer.printText(line);
        y += step;
        first = false;
    }
    printer.endDoc();
}
