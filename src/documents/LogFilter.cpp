#include "LogFilter.h"

#include <unordered_map>
#include <unordered_set>

bool LogFilter::matches(const RunLog::Run &run) const
{
    if (!trabajo.isEmpty() && !run.trabajo.contains(trabajo, Qt::CaseInsensitive))
        return false;
    if (!impresora.isEmpty() && !run.impresora.contains(impresora, Qt::CaseInsensitive))
        return false;
    const QDate day = run.inicio.toLocalTime().date();
    if ((from.isValid() && (!day.isValid() || day < from)) || (to.isValid() && (!day.isValid() || day > to)))
        return false;
    return estado.isEmpty() || run.estado == estado;
}

std::vector<LogFilter::Row> LogFilter::rows(const std::vector<RunLog::Run> &runs) const
{
    std::unordered_set<QString> shown;
    for (const RunLog::Run &run : runs)
        if (matches(run))
            shown.insert(run.id);
    // Followers in the order they ran, under their run.
    std::unordered_map<QString, std::vector<const RunLog::Run *>> followers;
    for (const RunLog::Run &run : runs)
        if (!run.origen.isEmpty() && shown.count(run.id) && shown.count(run.origen) && run.origen != run.id)
            followers[run.origen].push_back(&run);
    std::vector<Row> out;
    for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
        if (!shown.count(it->id))
            continue;
        if (!it->origen.isEmpty() && it->origen != it->id && shown.count(it->origen))
            continue; // listed under its run
        out.push_back({&*it, false});
        if (const auto f = followers.find(it->id); f != followers.end())
            for (const RunLog::Run *follower : f->second)
                out.push_back({follower, true});
    }
    return out;
}
