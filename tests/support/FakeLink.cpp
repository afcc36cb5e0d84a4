#include "support/FakeLink.h"

#include <algorithm>
#include <cstring>

namespace {

const char* KindName(PortKind kind) {
    switch (kind) {
        case PortKind::Serial:
            return "Serial";
        case PortKind::Parallel:
            return "Parallel";
        case PortKind::Usb:
            return "USB";
        case PortKind::Ethernet:
            return "Ethernet";
    }
    return "?";
}

class FakeDevice : public PortDevice {
public:
    explicit FakeDevice(FakeLink& link) : link_(link) {}
    ~FakeDevice() override { link_.events << QStringLiteral("close"); }

    IoResult Write(QByteArrayView data) override { return link_.DoWrite(data); }
    IoResult Read(std::span<char> buffer, ReadEnd end) override {
        link_.readEnds.push_back(end);
        return link_.DoRead(buffer);
    }
    std::optional<ModemLines> ModemStatus() override { return link_.modemLines; }
    bool Configure(const SerialParams& params) override {
        link_.events << QStringLiteral("configure");
        link_.configured = params;
        return !link_.configureFails;
    }
    bool SetTimeouts(const SerialTimeouts& timeouts) override {
        link_.events << QStringLiteral("timeouts");
        link_.timeouts = timeouts;
        return true;
    }
    std::optional<std::uint8_t> ParallelStatus() override { return link_.parallelStatus; }
    void Purge() override { link_.events << QStringLiteral("purge"); }
    void DiscardInput() override { ++link_.discards; }

private:
    FakeLink& link_;
};

class FakeStream : public TcpStream {
public:
    explicit FakeStream(FakeLink& link) : link_(link) {}

    bool Connect(const QString& host, std::uint16_t port) override {
        link_.events << QStringLiteral("connect %1:%2").arg(host).arg(port);
        return !link_.connectFails;
    }
    int Send(QByteArrayView data) override {
        const IoResult result = link_.DoWrite(data);
        return result.failed || result.count < data.size() ? -1 : result.count;
    }
    void DiscardInput() override { ++link_.discards; }
    int Receive(std::span<char> buffer) override {
        const IoResult result = link_.DoRead(buffer);
        return result.failed ? -1 : result.count;
    }
    void Close() override { link_.events << QStringLiteral("disconnect"); }

private:
    FakeLink& link_;
};

}  // namespace

QByteArray FakeLink::Written() const {
    QByteArray all;
    for (const QByteArray& write : writes) {
        all += write;
    }
    return all;
}

void FakeLink::ClearRecord() {
    writes.clear();
    readSizes.clear();
    readEnds.clear();
    discards = 0;
    events.clear();
}

IoResult FakeLink::DoWrite(QByteArrayView data) {
    const QByteArray bytes = data.toByteArray();
    writes.push_back(bytes);
    if (writeFails || (writesBeforeFailure >= 0 &&
                       writes.size() > static_cast<std::size_t>(writesBeforeFailure))) {
        return {0, true};
    }
    const qsizetype taken =
        acceptPerWrite < 0 ? data.size() : std::min<qsizetype>(acceptPerWrite, data.size());
    if (const auto answer = answers.find(bytes); answer != answers.end() && taken == data.size()) {
        QueueReply(answer->second);
    }
    return {static_cast<int>(taken), false};
}

IoResult FakeLink::DoRead(std::span<char> buffer) {
    readSizes.push_back(static_cast<int>(buffer.size()));
    if (replies.empty()) {
        return {0, false};
    }
    Reply& next = replies.front();
    if (next.error || next.bytes.isEmpty()) {
        const bool error = next.error;
        replies.pop_front();
        return {0, error};
    }
    const std::size_t count = std::min<std::size_t>(buffer.size(), next.bytes.size());
    std::memcpy(buffer.data(), next.bytes.constData(), count);
    next.bytes.remove(0, static_cast<qsizetype>(count));
    if (next.bytes.isEmpty()) {
        replies.pop_front();
    }
    return {static_cast<int>(count), false};
}

DeviceOpening FakePlatform::OpenDevice(PortKind kind, const QString& portName) {
    link_.events << QStringLiteral("open %1 %2").arg(QLatin1String(KindName(kind)), portName);
    DeviceOpening opening;
    if (kind == PortKind::Usb) {
        opening.usbModelIndex = link_.usbModelIndex;
    }
    if (link_.openFails) {
        opening.failure = link_.openFailure;
    } else {
        opening.device = std::make_unique<FakeDevice>(link_);
    }
    return opening;
}

std::unique_ptr<TcpStream> FakePlatform::CreateStream() {
    if (link_.createStreamFails) {
        return nullptr;
    }
    return std::make_unique<FakeStream>(link_);
}

QString FakePlatform::DevicePath(PortKind, const QString& portName) const {
    return nameDevices ? QStringLiteral("/dev/fake/") + portName.chopped(1) : QString();
}
