#include "LogFilter.h"

#include <unordered_map>
#include <unordered_set>

bool LogFilter::matches(const RunLog::Run &run) const
{
    if (!trabajo.isEmpty() && !run.trabajo.contains(trabajo, Qt::CaseInsensitive))
        return false;
    if (!impresora.isEmpty() && !run.impresora.contains(impresora, Qt::CaseInsensitive))
        return false;
    // The local day costs a time-zone lookup: only a date filter pays it.
    if (from.isValid() || to.isValid()) {
        const QDate day = run.inicio.toLocalTime().date();
        if ((from.isValid() && (!day.isValid() || day < from)) ||
            (to.isValid() && (!day.isValid() || day > to)))
            return false;
    }
    return estado.isEmpty() || run.estado == estado;
}

namespace {

bool isFollower(const RunLog::Run &run)
{
    return !run.origen.isEmpty() && run.origen != run.id;
}

} // namespace

std::vector<LogFilter::Row> LogFilter::rows(const std::vector<RunLog::Run> &runs) const
{
    std::vector<bool> shown(runs.size());
    bool anyFollower = false;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        shown[i] = matches(runs[i]);
        anyFollower = anyFollower || (shown[i] && isFollower(runs[i]));
    }
    // Only a log with replacements or continuations needs its runs by id.
    std::unordered_set<QString> shownIds;
    std::unordered_map<QString, std::vector<const RunLog::Run *>> followers; // in the order they ran
    if (anyFollower) {
        for (std::size_t i = 0; i < runs.size(); ++i)
            if (shown[i])
                shownIds.insert(runs[i].id);
        for (std::size_t i = 0; i < runs.size(); ++i)
            if (shown[i] && isFollower(runs[i]) && shownIds.count(runs[i].origen))
                followers[runs[i].origen].push_back(&runs[i]);
    }
    std::vector<Row> out;
    for (std::size_t i = runs.size(); i-- > 0;) {
        const RunLog::Run &run = runs[i];
        if (!shown[i] || (isFollower(run) && shownIds.count(run.origen)))
            continue; // filtered out, or listed under its run
        out.push_back({&run, false});
        if (const auto f = followers.find(run.id); f != followers.end())
            for (const RunLog::Run *follower : f->second)
                out.push_back({follower, true});
    }
    return out;
}
