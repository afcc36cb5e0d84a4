#include "main/CupsSpooler.h"

#include <cups/cups.h>

#include <memory>

namespace {

struct HttpClose {
    void operator()(http_t* http) const { httpClose(http); }
};
struct IppDelete {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Http = std::unique_ptr<http_t, HttpClose>;
using Ipp = std::unique_ptr<ipp_t, IppDelete>;

// Tagwell never asks for a password: without the rights, the queue is simply skipped (libcups
// would otherwise prompt on the terminal and block).
const char* NoPassword(const char*, http_t*, const char*, const char*, void*) {
    return nullptr;
}

// A reply that does not come within the time-out ends the exchange.
int GiveUp(http_t*, void*) {
    return 0;
}

SpoolerChange ChangeFor(ipp_status_t status) {
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        return SpoolerChange::Done;
    }
    switch (status) {
        case IPP_STATUS_ERROR_FORBIDDEN:
        case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
        case IPP_STATUS_ERROR_NOT_AUTHORIZED:
        case IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED:
        case IPP_STATUS_ERROR_NOT_FOUND:
            return SpoolerChange::Refused;
        default:
            return SpoolerChange::Failed;
    }
}

SpoolerQueue::State StateFor(int state) {
    switch (state) {
        case IPP_PSTATE_PROCESSING:
            return SpoolerQueue::State::Processing;
        case IPP_PSTATE_STOPPED:
            return SpoolerQueue::State::Stopped;
        default:
            return SpoolerQueue::State::Idle;
    }
}

QString Text(ipp_attribute_t* attribute) {
    return QString::fromUtf8(ippGetString(attribute, 0, nullptr));
}

}  // namespace

http_t* CupsSpooler::Connect() const {
    cupsSetPasswordCB2(NoPassword, nullptr);
    QString host = server_.isEmpty() ? QString::fromUtf8(cupsServer()) : server_;
    int port = ippPort();
    const qsizetype colon = host.lastIndexOf(QLatin1Char(':'));
    if (!host.startsWith(QLatin1Char('/')) && colon > host.lastIndexOf(QLatin1Char(']'))) {
        bool number = false;
        const int given = host.mid(colon + 1).toInt(&number);
        if (number) {
            port = given;
            host.truncate(colon);
        }
    }
    http_t* http = httpConnect2(host.toUtf8().constData(), port, nullptr, AF_UNSPEC,
                                cupsEncryption(), 1, kConnectTimeoutMs, nullptr);
    if (http) {
        httpSetTimeout(http, kReplyTimeoutSeconds, GiveUp, nullptr);
    }
    return http;
}

std::optional<std::vector<SpoolerQueue>> CupsSpooler::Queues() {
    const Http http(Connect());
    if (!http) {
        return std::nullopt;
    }
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    static const char* const kAttributes[] = {"printer-name", "device-uri", "printer-state",
                                              "printer-state-message", "printer-type"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  std::size(kAttributes), nullptr, kAttributes);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    const Ipp response(cupsDoRequest(http.get(), request, "/"));
    if (!response) {
        return std::nullopt;
    }
    const ipp_status_t status = ippGetStatusCode(response.get());
    if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        return std::vector<SpoolerQueue>{};  // cupsd's answer when it has no queue at all
    }
    if (status > IPP_STATUS_OK_EVENTS_COMPLETE) {
        return std::nullopt;
    }

    std::vector<SpoolerQueue> queues;
    // Each printer is a group of attributes; a group tag other than the printer's ends one.
    SpoolerQueue queue;
    int type = 0;
    bool inPrinter = false;
    const auto finish = [&] {
        constexpr int kNotLocal = CUPS_PRINTER_CLASS | CUPS_PRINTER_REMOTE;
        if (inPrinter && !queue.name.isEmpty() && (type & kNotLocal) == 0) {
            queues.push_back(queue);
        }
        queue = {};
        type = 0;
        inPrinter = false;
    };
    for (ipp_attribute_t* attribute = ippFirstAttribute(response.get()); attribute;
         attribute = ippNextAttribute(response.get())) {
        if (ippGetGroupTag(attribute) != IPP_TAG_PRINTER || !ippGetName(attribute)) {
            finish();
            continue;
        }
        inPrinter = true;
        const QByteArray name(ippGetName(attribute));
        if (name == "printer-name") {
            queue.name = Text(attribute);
        } else if (name == "device-uri") {
            queue.deviceUri = Text(attribute);
        } else if (name == "printer-state") {
            queue.state = StateFor(ippGetInteger(attribute, 0));
        } else if (name == "printer-state-message") {
            queue.stateMessage = Text(attribute);
        } else if (name == "printer-type") {
            type = ippGetInteger(attribute, 0);
        }
    }
    finish();
    return queues;
}

SpoolerChange CupsSpooler::Stop(const QString& name, const QString& reason) {
    return Change(IPP_OP_PAUSE_PRINTER, name, reason);
}

SpoolerChange CupsSpooler::Start(const QString& name) {
    return Change(IPP_OP_RESUME_PRINTER, name, {});
}

SpoolerChange CupsSpooler::Change(int operation, const QString& name, const QString& reason) {
    const Http http(Connect());
    if (!http) {
        return SpoolerChange::Failed;
    }
    ipp_t* request = ippNewRequest(static_cast<ipp_op_t>(operation));
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", name.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    if (!reason.isEmpty()) {
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_TEXT, "printer-state-message", nullptr,
                     reason.toUtf8().constData());
    }
    const Ipp response(cupsDoRequest(http.get(), request, "/admin/"));
    if (!response) {
        const ipp_status_t status = cupsLastError();
        // A refusal can come without a reply body (authentication given up).
        return ChangeFor(status == IPP_STATUS_OK ? IPP_STATUS_ERROR_INTERNAL : status);
    }
    return ChangeFor(ippGetStatusCode(response.get()));
}
