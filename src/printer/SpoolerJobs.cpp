#include "SpoolerJobs.h"

#include "DeviceJobs.h"
#include "Logging.h"

#include <QCoreApplication>

#include <cups/cups.h>

#include <map>
#include <memory>

namespace {

struct IppDeleter
{
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

QStringList strings(ipp_t *answer, const char *name)
{
    QStringList out;
    if (ipp_attribute_t *attr = ippFindAttribute(answer, name, IPP_TAG_ZERO))
        for (int i = 0; i < ippGetCount(attr); ++i)
            out << QString::fromUtf8(ippGetString(attr, i, nullptr));
    out.removeAll(QStringLiteral("none"));
    return out;
}

QString text(ipp_t *answer, const char *name)
{
    ipp_attribute_t *attr = ippFindAttribute(answer, name, IPP_TAG_ZERO);
    return attr ? QString::fromUtf8(ippGetString(attr, 0, nullptr)) : QString();
}

int integer(ipp_t *answer, const char *name)
{
    ipp_attribute_t *attr = ippFindAttribute(answer, name, IPP_TAG_ZERO);
    return attr ? ippGetInteger(attr, 0) : 0;
}

Ipp printerAttributes(const QString &name, const char *kind)
{
    char uri[1024];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/%s/%s", kind,
                     name.toUtf8().constData());
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char *const wanted[] = {"printer-state", "printer-state-reasons", "printer-state-message",
                                         "printer-is-accepting-jobs", "member-names"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 5, nullptr, wanted);
    Ipp answer(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!answer || ippGetStatusCode(answer.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return nullptr;
    return answer;
}

// The printer's job of each of the scheduler's jobs handed over without waiting, once found by
// its name: a printer may forget the names of the jobs it ended.
struct HeldJob
{
    QString device;
    int id = 0;
};
std::map<int, HeldJob> &heldJobs()
{
    static std::map<int, HeldJob> jobs;
    return jobs;
}

// The printer's job of the scheduler's job `id` named `name` on `printer`; state 0 when the
// printer does not tell. `held` is false for a queue that waits for its jobs to print.
DeviceJobs::Job atPrinter(int id, const QString &printer, const QString &name, bool &held)
{
    const auto known = heldJobs().find(id);
    if (known != heldJobs().end()) {
        held = true;
        return DeviceJobs::job(known->second.device, known->second.id);
    }
    const QString device = DeviceJobs::handsOver(printer);
    held = !device.isEmpty();
    if (!held)
        return {};
    const DeviceJobs::Job found = DeviceJobs::find(device, name);
    if (found.id != 0)
        heldJobs()[id] = {device, found.id};
    return found;
}

// The job `id` the scheduler handed over without waiting, cancelled at its printer.
bool cancelAtPrinter(int id)
{
    char uri[256];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", id);
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    static const char *const wanted[] = {"job-state", "job-printer-uri-actual", "job-printer-uri",
                                         "job-name"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 4, nullptr, wanted);
    const Ipp answer(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!answer || integer(answer.get(), "job-state") != IPP_JSTATE_COMPLETED)
        return false;
    QString printer = text(answer.get(), "job-printer-uri-actual").section(u'/', -1);
    if (printer.isEmpty())
        printer = text(answer.get(), "job-printer-uri").section(u'/', -1);
    bool held = false;
    const DeviceJobs::Job job = atPrinter(id, printer, text(answer.get(), "job-name"), held);
    return held && job.id != 0 && job.state < IPP_JSTATE_CANCELED &&
           DeviceJobs::cancel(heldJobs()[id].device, job.id);
}

} // namespace

namespace SpoolerJobs {

Job job(int id)
{
    Job out;
    out.id = id;
    char uri[256];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", id);
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    static const char *const wanted[] = {"job-state",
                                         "job-state-reasons",
                                         "job-printer-state-message",
                                         "job-printer-state-reasons",
                                         "job-printer-uri-actual",
                                         "job-printer-uri",
                                         "job-name"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 7, nullptr, wanted);
    const Ipp answer(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!answer || ippGetStatusCode(answer.get()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        qCDebug(lcPrint) << "the scheduler does not tell job" << id << cupsLastErrorString();
        return out;
    }
    out.state = JobState(integer(answer.get(), "job-state"));
    out.reasons = strings(answer.get(), "job-state-reasons");
    out.printerReason = text(answer.get(), "job-printer-state-message");
    out.printerReasons = strings(answer.get(), "job-printer-state-reasons");
    const QString actual = text(answer.get(), "job-printer-uri-actual");
    if (!actual.isEmpty())
        out.member = actual.section(u'/', -1);
    // A queue that hands its jobs to the printer without waiting calls a job completed as the
    // printer takes it: the printer's own job tells how far it got.
    if (out.state == Completed) {
        const QString printer =
            !out.member.isEmpty() ? out.member : text(answer.get(), "job-printer-uri").section(u'/', -1);
        bool handedOver = false;
        const DeviceJobs::Job held = atPrinter(id, printer, text(answer.get(), "job-name"), handedOver);
        if (handedOver) {
            out.state = JobState(held.state);
            out.reasons = held.reasons;
            out.printerReason = held.printerMessage;
            out.printerReasons = held.printerReasons;
        }
    }
    // CUPS's ipp backend may end a job well when the printer aborted it: its wait for the
    // printer's word sees the abort and exits with success unless its watching thread saw the
    // abort first. The printer's state as the job ended still tells: a printer that jammed or
    // ran out of paper did not finish it.
    if (out.state == Completed && !haltingFault(out.printerReasons).isEmpty()) {
        qCInfo(lcPrint) << "job" << id << "ended with the printer reporting" << out.printerReasons
                        << "; it did not finish";
        out.state = Aborted;
    }
    return out;
}

Queue queue(const QString &name)
{
    Queue out;
    Ipp answer = printerAttributes(name, "printers");
    if (!answer)
        answer = printerAttributes(name, "classes");
    if (!answer)
        return out;
    out.exists = true;
    out.stopped = integer(answer.get(), "printer-state") == IPP_PSTATE_STOPPED;
    if (ipp_attribute_t *accepting =
            ippFindAttribute(answer.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        out.accepting = ippGetBoolean(accepting, 0);
    out.reasons = strings(answer.get(), "printer-state-reasons");
    out.message = text(answer.get(), "printer-state-message");
    out.members = strings(answer.get(), "member-names");
    return out;
}

int newestJob(const QString &queue, const QString &title, int after)
{
    cups_job_t *jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 1, CUPS_WHICHJOBS_ALL);
    int found = 0;
    for (int i = 0; i < count; ++i)
        if (jobs[i].id > after && jobs[i].id > found && title == QString::fromUtf8(jobs[i].title))
            found = jobs[i].id;
    cupsFreeJobs(count, jobs);
    return found;
}

bool cancel(int id)
{
    if (cupsCancelJob2(CUPS_HTTP_DEFAULT, nullptr, id, 0) == IPP_STATUS_OK)
        return true;
    // Handed over already: the printer cancels its own job.
    return cancelAtPrinter(id);
}

QString haltingFault(const QStringList &reasons)
{
    static const char *const kHalting[] = {"media-jam",   "media-empty",         "media-needed",
                                           "toner-empty", "marker-supply-empty", "door-open",
                                           "cover-open"};
    for (const QString &reason : reasons)
        for (const char *halting : kHalting)
            if (reason == QLatin1String(halting) || reason.section(u'-', 0, -2) == QLatin1String(halting))
                return reasonInWords({reason}, QString());
    return QString();
}

QString reasonInWords(const QStringList &reasons, const QString &message)
{
    // Without a reason the message only tells what the printer is doing.
    if (reasons.isEmpty())
        return QString();
    static const std::pair<const char *, const char *> kWords[] = {
        {"media-jam", QT_TRANSLATE_NOOP("SpoolerJobs", "atasco de papel")},
        {"media-empty", QT_TRANSLATE_NOOP("SpoolerJobs", "sin papel")},
        {"media-needed", QT_TRANSLATE_NOOP("SpoolerJobs", "falta papel")},
        {"toner-empty", QT_TRANSLATE_NOOP("SpoolerJobs", "sin tóner")},
        {"marker-supply-empty", QT_TRANSLATE_NOOP("SpoolerJobs", "sin tinta")},
        {"door-open", QT_TRANSLATE_NOOP("SpoolerJobs", "puerta abierta")},
        {"cover-open", QT_TRANSLATE_NOOP("SpoolerJobs", "tapa abierta")},
        {"offline", QT_TRANSLATE_NOOP("SpoolerJobs", "fuera de línea")},
        {"paused", QT_TRANSLATE_NOOP("SpoolerJobs", "en pausa")},
        {"shutdown", QT_TRANSLATE_NOOP("SpoolerJobs", "apagada")},
        {"connecting-to-device", QT_TRANSLATE_NOOP("SpoolerJobs", "sin conexión con la impresora")},
    };
    for (const QString &reason : reasons) {
        // "-error", "-warning" and "-report" only say how serious it is.
        const QString bare = reason.section(u'-', 0, -2);
        for (const auto &[keyword, words] : kWords)
            if (reason == QLatin1String(keyword) || bare == QLatin1String(keyword))
                return QCoreApplication::translate("SpoolerJobs", words);
    }
    return message.trimmed();
}

} // namespace SpoolerJobs
