#include "CommandLineShop.h"

#include "RunSummary.h"

#include <QCoreApplication>

#include <cstdio>

QCommandLineOption CommandLineShop::ticketsOption()
{
    return QCommandLineOption(
        QStringLiteral("tickets"),
        QCoreApplication::translate("CommandLineShop",
                                    "Imprime solo esos boletos, cada uno en el lugar que tenía en su hoja, "
                                    "por ejemplo 0457,2310,3001-3004 (para reponer boletos estropeados)."),
        QCoreApplication::translate("CommandLineShop", "lista"));
}

bool CommandLineShop::readTickets(const QString &value, TicketReplacement::Request &request, QString &why)
{
    const auto list = TicketReplacement::parse(value, why);
    if (!list)
        return false;
    request.tickets = *list;
    request.listed = TicketReplacement::listed(value);
    return true;
}

RunOutcome CommandLineShop::run(const PrintJob &job, const std::optional<SheetSpan> &span,
                                const TicketReplacement::Request &request, PrinterSurface &printer,
                                Dialogs &dialogs, RunObserver *observer, const ProfileFiles &settings)
{
    SummaryFirst summary(observer, LongRuns::read(settings), [](const RunSummary &what) {
        std::fputs((what.text() + u'\n').toLocal8Bit().constData(), stderr);
        return true;
    });
    if (request.listed.isEmpty())
        return JobRun::print(job, span, printer, dialogs, &summary);
    return JobRun::replace(job, request.tickets, request.printed, printer, dialogs, &summary);
}
