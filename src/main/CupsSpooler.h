#pragma once

#include <QString>

#include "main/Spooler.h"

typedef struct _http_s http_t;

// The spooler of a Linux desktop: cupsd, reached with libcups. Queues are stopped with
// Pause-Printer and started with Resume-Printer, which keep their device and their jobs. Every
// exchange is bounded: a missing cupsd costs at most the connection time-out, a silent one the
// reply time-out, and nothing ever asks for a password.
class CupsSpooler : public Spooler {
public:
    static constexpr int kConnectTimeoutMs = 1000;
    static constexpr double kReplyTimeoutSeconds = 3.0;

    // `server`: a domain socket path or "host[:port]"; empty for the user's usual cupsd.
    explicit CupsSpooler(QString server = {}) : server_(std::move(server)) {}

    std::optional<std::vector<SpoolerQueue>> Queues() override;
    SpoolerChange Stop(const QString& name, const QString& reason) override;
    SpoolerChange Start(const QString& name) override;

private:
    http_t* Connect() const;
    SpoolerChange Change(int operation, const QString& name, const QString& reason);

    QString server_;
};
