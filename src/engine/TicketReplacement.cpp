#include "TicketReplacement.h"

#include "Dialogs.h"
#include "PrinterSurface.h"
#include "RunMessages.h"
#include "RuntimeError.h"
#include "SheetLoop.h"
#include "Texts.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <set>

namespace {

class ReplacementSheets final : public JobSheets
{
public:
    ReplacementSheets(std::unique_ptr<JobSheets> run, std::vector<std::vector<qint64>> groups)
        : m_run(std::move(run)), m_groups(std::move(groups)), m_copies(m_run->copies())
    {}

    qint64 count() const override { return qint64(m_groups.size()) * m_copies; }
    QString number(qint64 sheet) const override
    {
        const std::vector<qint64> &group = m_groups[std::size_t(sheet / m_copies)];
        for (int p = 0; p < int(group.size()); ++p)
            if (group[p] >= 0)
                return m_run->numberAt(group[p], p).value_or(QString());
        return QString();
    }
    void applyFont(PrinterSurface &printer) const override { m_run->applyFont(printer); }
    void checkFits(const PrinterSurface &printer) const override { m_run->checkFits(printer); }
    void draw(qint64 sheet, PrinterSurface &printer) const override
    {
        for (int p = 0; p < places(); ++p)
            drawPlace(sheet, p, printer);
    }
    int places() const override { return m_run->places(); }
    std::optional<QString> numberAt(qint64 sheet, int place) const override
    {
        const qint64 from = m_groups[std::size_t(sheet / m_copies)][std::size_t(place)];
        return from >= 0 ? m_run->numberAt(from, place) : std::nullopt;
    }
    void drawPlace(qint64 sheet, int place, PrinterSurface &printer) const override
    {
        const qint64 from = m_groups[std::size_t(sheet / m_copies)][std::size_t(place)];
        if (from >= 0)
            m_run->drawPlace(from, place, printer);
    }
    int copies() const override { return m_copies; }
    qint64 tickets() const override
    {
        qint64 n = 0;
        for (const auto &group : m_groups)
            n += std::count_if(group.begin(), group.end(), [](qint64 from) { return from >= 0; });
        return n;
    }
    QString lastNumber() const override
    {
        const std::vector<qint64> &group = m_groups.back();
        for (int p = int(group.size()) - 1; p >= 0; --p)
            if (group[p] >= 0)
                return m_run->numberAt(group[p], p).value_or(QString());
        return QString();
    }

private:
    std::unique_ptr<JobSheets> m_run;
    std::vector<std::vector<qint64>> m_groups;
    int m_copies;
};

QString notATicketList(const QString &item)
{
    return Texts::text(18000,
                       QStringLiteral("«%1» no es un boleto: escriba los números separados por comas y "
                                      "los tramos con un guion, por ejemplo 0457,2310,3001-3004."))
        .arg(item);
}

} // namespace

QString TicketReplacement::listed(const QString &text)
{
    QString out = text;
    out.remove(QRegularExpression(QStringLiteral("\\s")));
    return out;
}

std::optional<std::vector<RangeNumber>> TicketReplacement::parse(const QString &text, QString &why)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,18}(?:\\.\\d{1,18})?)\\s*(?:-\\s*(\\d{1,18}(?:\\.\\d{1,18})?)\\s*)?$"));
    std::vector<RangeNumber> tickets;
    std::set<QString> seen;
    const QStringList items = text.split(u',');
    if (text.trimmed().isEmpty()) {
        why = Texts::text(18001, QStringLiteral("Escriba los números de los boletos que hay que reponer."));
        return std::nullopt;
    }
    try {
        for (const QString &item : items) {
            const QRegularExpressionMatch m = form.match(item);
            if (!m.hasMatch()) {
                why = notATicketList(item.trimmed());
                return std::nullopt;
            }
            const RangeNumber first = RangeNumber::read(m.captured(1));
            const RangeNumber last = m.hasCaptured(2) ? RangeNumber::read(m.captured(2)) : first;
            const qint64 steps = first.stepsTo(last);
            const qint64 step = steps < 0 ? -1 : 1;
            if (qint64(tickets.size()) + steps * step + 1 > kMostTickets) {
                why =
                    Texts::text(18002, QStringLiteral("Se pueden reponer como mucho %1 boletos de una vez."))
                        .arg(kMostTickets);
                return std::nullopt;
            }
            for (qint64 k = 0; k <= steps * step; ++k) {
                const RangeNumber ticket = first.plus(k * step);
                if (seen.insert(ticket.text()).second)
                    tickets.push_back(ticket);
            }
        }
    } catch (const RuntimeError &error) {
        why = error.description();
        return std::nullopt;
    }
    return tickets;
}

std::vector<std::vector<qint64>> TicketReplacement::group(std::vector<TicketPlace> places, int placesPerSheet)
{
    // Sheet order within each place: the replacements come out in the order of the run.
    std::stable_sort(places.begin(), places.end(),
                     [](const TicketPlace &a, const TicketPlace &b) { return a.sheet < b.sheet; });
    std::vector<std::vector<qint64>> groups;
    std::vector<std::size_t> used(std::size_t(qMax(placesPerSheet, 1)), 0);
    for (const TicketPlace &at : places) {
        const std::size_t sheet = used[std::size_t(at.place)]++;
        if (sheet == groups.size())
            groups.emplace_back(std::size_t(placesPerSheet), qint64(-1));
        groups[sheet][std::size_t(at.place)] = at.sheet;
    }
    return groups;
}

std::unique_ptr<JobSheets> TicketReplacement::sheets(std::unique_ptr<JobSheets> run,
                                                     const std::vector<RangeNumber> &tickets,
                                                     const std::optional<std::pair<qint64, qint64>> &printed,
                                                     QString &why)
{
    std::vector<TicketPlace> places;
    std::set<std::pair<qint64, int>> taken;
    for (const RangeNumber &ticket : tickets) {
        const std::optional<TicketPlace> at = run->locate(ticket);
        if (!at) {
            why = Texts::text(18003, QStringLiteral("El boleto %1 no está en este trabajo."))
                      .arg(ticket.text());
            return nullptr;
        }
        if (printed && (at->sheet < printed->first || at->sheet > printed->second)) {
            why = Texts::text(18004,
                              QStringLiteral("El boleto %1 no salió en esta impresión (va en la hoja %2)."))
                      .arg(ticket.text())
                      .arg(at->sheet + 1);
            return nullptr;
        }
        // The same ticket typed in two ways (7 and 0007) is printed once.
        if (taken.insert({at->sheet, at->place}).second)
            places.push_back(*at);
    }
    const int perSheet = run->places();
    return std::make_unique<ReplacementSheets>(std::move(run), group(std::move(places), perSheet));
}

RunOutcome TicketReplacement::print(std::unique_ptr<JobSheets> run, const std::vector<RangeNumber> &tickets,
                                    const std::optional<std::pair<qint64, qint64>> &printed,
                                    PrinterSurface &printer, Dialogs &dialogs, RunObserver *observer)
{
    if (!run)
        return RunOutcome::Failed;
    QString why;
    const std::unique_ptr<JobSheets> chosen = sheets(std::move(run), tickets, printed, why);
    if (!chosen) {
        dialogs.message(why, RunMessages::kTitle, Dialogs::Icon::Exclamation);
        return RunOutcome::Failed;
    }
    return printChosenSheets(*chosen, printer, dialogs, observer);
}
