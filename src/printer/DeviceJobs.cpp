#include "DeviceJobs.h"

#include "Logging.h"

#include <cups/cups.h>

#include <cstring>
#include <memory>

namespace {

struct HttpCloser
{
    void operator()(http_t *http) const { httpClose(http); }
};
struct IppDeleter
{
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

constexpr int kTimeoutMs = 5000;

// A connection to the printer of a device URI, and the printer's URI and resource without the
// backend's options.
struct Device
{
    std::unique_ptr<http_t, HttpCloser> http;
    QByteArray uri;
    QByteArray resource;

    explicit Device(const QString &deviceUri)
    {
        char scheme[32], user[256], host[256], path[1024];
        int port = 0;
        if (httpSeparateURI(HTTP_URI_CODING_ALL, deviceUri.toUtf8().constData(), scheme, sizeof scheme, user,
                            sizeof user, host, sizeof host, &port, path, sizeof path) < HTTP_URI_STATUS_OK)
            return;
        if (char *query = std::strchr(path, '?'))
            *query = '\0';
        const bool secure = std::strcmp(scheme, "ipps") == 0;
        char printer[1024];
        httpAssembleURI(HTTP_URI_CODING_ALL, printer, sizeof printer, secure ? "ipps" : "ipp", nullptr, host,
                        port, path);
        uri = printer;
        resource = path;
        http.reset(httpConnect2(host, port, nullptr, AF_UNSPEC,
                                secure ? HTTP_ENCRYPTION_ALWAYS : HTTP_ENCRYPTION_IF_REQUESTED, 1, kTimeoutMs,
                                nullptr));
        if (!http)
            qCDebug(lcPrint) << "the printer at" << deviceUri << "does not answer" << cupsLastErrorString();
    }

    // A request to the printer: its target and the user first, as IPP wants them.
    ipp_t *request(ipp_op_t operation, int job = 0) const
    {
        ipp_t *request = ippNewRequest(operation);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
        if (job > 0)
            ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        return request;
    }
    Ipp ask(ipp_t *request) const
    {
        Ipp answer(cupsDoRequest(http.get(), request, resource.constData()));
        if (!answer || ippGetStatusCode(answer.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
            return nullptr;
        return answer;
    }
};

QStringList strings(ipp_attribute_t *attr)
{
    QStringList out;
    for (int i = 0; attr && i < ippGetCount(attr); ++i)
        out << QString::fromUtf8(ippGetString(attr, i, nullptr));
    out.removeAll(QStringLiteral("none"));
    return out;
}

} // namespace

namespace DeviceJobs {

// An ended job: the printer's state as it ended tells whether a fault cut it short.
static void addPrinterState(const Device &device, Job &out);

QString handsOver(const QString &queue)
{
    char uri[1024];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.toUtf8().constData());
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "device-uri");
    const Ipp answer(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    ipp_attribute_t *device = answer ? ippFindAttribute(answer.get(), "device-uri", IPP_TAG_URI) : nullptr;
    const QString found = device ? QString::fromUtf8(ippGetString(device, 0, nullptr)) : QString();
    const bool ipp =
        found.startsWith(QStringLiteral("ipp://")) || found.startsWith(QStringLiteral("ipps://"));
    return ipp && found.section(u'?', 1).split(u'&').contains(QStringLiteral("waitjob=false")) ? found
                                                                                               : QString();
}

Job find(const QString &deviceUri, const QString &name)
{
    Job out;
    const Device device(deviceUri);
    if (!device.http)
        return out;
    ipp_t *request = device.request(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
    static const char *const wanted[] = {"job-id", "job-name", "job-state", "job-state-reasons",
                                         "job-originating-user-name"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 5, nullptr, wanted);
    const Ipp answer = device.ask(request);
    if (!answer) {
        qCDebug(lcPrint) << "the printer at" << deviceUri << "does not list its jobs"
                         << cupsLastErrorString();
        return out;
    }
    const QByteArray user = cupsUser();
    // One group of attributes per job.
    Job job;
    bool named = false, mine = true;
    const auto take = [&] {
        if (job.id > out.id && named && mine)
            out = job;
        job = {};
        named = false;
        mine = true;
    };
    for (ipp_attribute_t *attr = ippFirstAttribute(answer.get()); attr;
         attr = ippNextAttribute(answer.get())) {
        const char *attrName = ippGetName(attr);
        if (!attrName) {
            take();
            continue;
        }
        if (ippGetGroupTag(attr) != IPP_TAG_JOB)
            continue;
        if (!std::strcmp(attrName, "job-id"))
            job.id = ippGetInteger(attr, 0);
        else if (!std::strcmp(attrName, "job-state"))
            job.state = ippGetInteger(attr, 0);
        else if (!std::strcmp(attrName, "job-state-reasons"))
            job.reasons = strings(attr);
        else if (!std::strcmp(attrName, "job-name"))
            named = name == QString::fromUtf8(ippGetString(attr, 0, nullptr));
        else if (!std::strcmp(attrName, "job-originating-user-name"))
            mine = user == ippGetString(attr, 0, nullptr);
    }
    take();
    if (out.id == 0)
        qCDebug(lcPrint) << "the printer at" << deviceUri << "holds no job named" << name;
    if (out.state >= IPP_JSTATE_CANCELED)
        addPrinterState(device, out);
    return out;
}

Job job(const QString &deviceUri, int id)
{
    Job out;
    const Device device(deviceUri);
    if (!device.http)
        return out;
    ipp_t *request = device.request(IPP_OP_GET_JOB_ATTRIBUTES, id);
    static const char *const wanted[] = {"job-state", "job-state-reasons"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    const Ipp answer = device.ask(request);
    if (!answer) {
        qCDebug(lcPrint) << "the printer at" << deviceUri << "does not tell its job" << id
                         << cupsLastErrorString();
        return out;
    }
    out.id = id;
    ipp_attribute_t *state = ippFindAttribute(answer.get(), "job-state", IPP_TAG_ENUM);
    out.state = state ? ippGetInteger(state, 0) : 0;
    out.reasons = strings(ippFindAttribute(answer.get(), "job-state-reasons", IPP_TAG_ZERO));
    if (out.state >= IPP_JSTATE_CANCELED)
        addPrinterState(device, out);
    return out;
}

static void addPrinterState(const Device &device, Job &out)
{
    ipp_t *printer = device.request(IPP_OP_GET_PRINTER_ATTRIBUTES);
    static const char *const state[] = {"printer-state-reasons", "printer-state-message"};
    ippAddStrings(printer, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, state);
    if (const Ipp attributes = device.ask(printer)) {
        out.printerReasons =
            strings(ippFindAttribute(attributes.get(), "printer-state-reasons", IPP_TAG_ZERO));
        if (ipp_attribute_t *message =
                ippFindAttribute(attributes.get(), "printer-state-message", IPP_TAG_ZERO))
            out.printerMessage = QString::fromUtf8(ippGetString(message, 0, nullptr));
    }
}

bool cancel(const QString &deviceUri, int id)
{
    const Device device(deviceUri);
    if (!device.http)
        return false;
    ipp_t *request = device.request(IPP_OP_CANCEL_JOB, id);
    return device.ask(request) != nullptr;
}

} // namespace DeviceJobs
