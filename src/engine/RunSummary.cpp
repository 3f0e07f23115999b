#include "RunSummary.h"

#include "JobSheets.h"
#include "Logging.h"
#include "PrinterSurface.h"
#include "ProfileFiles.h"
#include "Texts.h"

#include <QPageSize>

RunSummary RunSummary::of(const JobSheets &sheets, const PrinterSurface &printer)
{
    RunSummary summary;
    summary.sheets = sheets.count();
    summary.tickets = sheets.tickets();
    summary.blocks = sheets.blocks();
    if (summary.sheets > 0) {
        summary.first = sheets.number(0);
        summary.last = sheets.lastNumber();
    }
    try {
        summary.printer = printer.printers().value(printer.currentPrinterIndex()).deviceName;
        const int16_t code = printer.paperSize();
        const QPageSize::PageSizeId id = code > 0 ? QPageSize::id(int(code)) : QPageSize::Custom;
        summary.paper = id == QPageSize::Custom ? Texts::text(18010, QStringLiteral("%1 × %2 mm"))
                                                      .arg(qRound(printer.width() * 25.4 / 1440))
                                                      .arg(qRound(printer.height() * 25.4 / 1440))
                                                : QPageSize::name(id);
    } catch (const std::exception &e) {
        // Not an error here: the run that follows says what is wrong with the printer.
        qCDebug(lcPrint).noquote() << "Summary without the printer's name or paper:" << describeFailure(e);
    }
    return summary;
}

QString RunSummary::text() const
{
    QStringList lines;
    lines << Texts::text(18011, QStringLiteral("Hojas: %1")).arg(sheets)
          << Texts::text(18012, QStringLiteral("Boletos: %1")).arg(tickets);
    if (blocks > 1)
        lines << Texts::text(18013, QStringLiteral("Bloques: %1")).arg(blocks);
    lines << Texts::text(18014, QStringLiteral("Impresora: %1")).arg(printer)
          << Texts::text(18015, QStringLiteral("Papel: %1")).arg(paper)
          << Texts::text(18016, QStringLiteral("Del %1 al %2")).arg(first, last);
    return lines.join(u'\n');
}

bool SummaryFirst::goAhead(const JobSheets &sheets, const PrinterSurface &printer)
{
    if (m_inner && !m_inner->goAhead(sheets, printer))
        return false;
    if (m_threshold <= 0 || sheets.count() <= m_threshold || !m_ask)
        return true;
    m_declined = !m_ask(RunSummary::of(sheets, printer));
    return !m_declined;
}

qint64 LongRuns::read(const ProfileFiles &settings)
{
    QString file;
    bool ok = false;
    const qint64 value = settings.LeerValorIni(kSection, kKey, file).trimmed().toLongLong(&ok);
    return ok && value >= 0 ? value : kDefault;
}
