// Every parsing of a printer reply on arbitrary bytes: the model name, the settings' text, signed
// and sensing replies, the status replies and their decoding, and the RFID encoder's answers.
// Exchanges behind a PrinterPort run over the tests' scripted link with the input as the reply,
// on the kind of port the input chooses.
//
// Input: [operation] [port kind and USB model] [split] reply...
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "calibration/StatusDecoding.h"
#include "forms/Pacer.h"
#include "link/PortHost.h"
#include "link/PrinterPort.h"
#include "main/ModelIdentity.h"
#include "rfid/RfidProtocol.h"
#include "rfid/RfidSettings.h"
#include "settings/SettingsProtocol.h"
#include "support/FakeLink.h"

namespace {

// Pauses and warnings go nowhere: the fuzzer must not sleep or show anything.
class Silent : public PortHost, public Pacer {
public:
    void Warning(const QString&) override {}
    void Pause(int) override {}
    void KeepPainted() override {}
};

constexpr std::array<SettingsProtocol::Status, 4> kStatuses = {
    SettingsProtocol::Status::ErrorsAndJob, SettingsProtocol::Status::Errors,
    SettingsProtocol::Status::ErrorCode, SettingsProtocol::Status::MechanismErrors};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void StaticParsers(const QByteArray& reply) {
    const QString name = ModelIdentity::NormalisedName(reply);
    Check(ModelIdentity::IndexOf(name) < ModelIdentity::ModelNames().size());
    Check(!SettingsProtocol::StripLineEnds(reply).endsWith('\n'));
    const SettingsProtocol::SignedReply value = SettingsProtocol::DecodeSigned(reply);
    Check(value.magnitude >= 0 && value.magnitude <= 999);
    SettingsProtocol::SensingCounts(reply);
    for (const SettingsProtocol::Status status : kStatuses) {
        StatusDecoding::Decode(status, reply);
    }
    const QByteArrayView text = RfidSettings::ReplyText(reply);
    Check(text.size() <= RfidSettings::kReplyLength && !text.contains('\0'));
    RfidSettings settings;
    for (int item = 1; item <= 7; ++item) {
        settings.TakeReply(item, text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const int operation = data[0];
    const int kind = data[1] & 3;
    const QByteArray reply(reinterpret_cast<const char*>(data) + 3,
                           static_cast<qsizetype>(size - 3));
    if (operation % 12 == 0) {
        StaticParsers(reply);
        return 0;
    }

    // The reply arrives in two pieces, or as a piece then a failed read.
    FakeLink link;
    link.usbModelIndex = (data[1] >> 2) % 9 - 1;
    const qsizetype split = std::min<qsizetype>(data[2] & 0x7F, reply.size());
    link.QueueReply(reply.first(split));
    if (data[2] & 0x80) {
        link.QueueError();
    }
    link.QueueReply(reply.sliced(split));
    FakePlatform platform(link);
    Silent silent;
    PrinterPort port(platform, silent);
    static const std::array<QString, 4> names = {QStringLiteral("COM1:"), QStringLiteral("LPT1:"),
                                                 QStringLiteral("USB"), QStringLiteral("ETHERNET")};
    port.SetPortName(names[static_cast<std::size_t>(kind)]);
    port.SetNetworkTarget({QStringLiteral("192.168.0.100"), 9100});
    if (!port.Open()) {
        return 0;
    }
    // Opening may already have read; what is left goes to the exchange.
    SettingsProtocol settings(port, silent);
    RfidProtocol rfid(port, silent);
    const int choice = operation >> 4;
    switch (operation % 12) {
        case 1:
            ModelIdentity::Query(port, silent);
            break;
        case 2: {
            const int length = 1 + choice;
            const SettingsProtocol::TextReply text =
                settings.QueryText(SettingsProtocol::kFirmwareQuery, 10, length);
            Check(!text.text.contains('\0'));
            break;
        }
        case 3: {
            const SettingsProtocol::SignedReply value =
                settings.QuerySigned(SettingsProtocol::kPrintOffsetQuery);
            Check(value.magnitude >= 0 && value.magnitude <= 999);
            break;
        }
        case 4: {
            const auto type = choice & 1 ? SettingsProtocol::SensingType::BlackMark
                                         : SettingsProtocol::SensingType::Gap;
            const SettingsProtocol::ExactReply sensing = settings.ReadSensing(choice * 37, type);
            SettingsProtocol::SensingCounts(sensing.bytes);
            break;
        }
        case 5: {
            const SettingsProtocol::Status status = kStatuses[static_cast<std::size_t>(choice % 4)];
            const SettingsProtocol::ExactReply exact = settings.QueryStatus(status);
            StatusDecoding::Decode(status, exact.bytes);
            break;
        }
        case 6: {
            const int item = 1 + choice % 7;
            const RfidProtocol::Reply answer = rfid.Query(item);
            Check(answer.text.size() <= RfidProtocol::kQueryReplyLength);
            RfidSettings form;
            form.TakeReply(item, answer.text);
            break;
        }
        case 7: {
            const RfidProtocol::Reply tag = rfid.ReadTag("^RR\r", choice * 17);
            Check(tag.count >= 0 && tag.count <= tag.text.size());
            break;
        }
        case 8:
            settings.ReadSwitch(static_cast<SettingsProtocol::MemorySwitch>(1 + choice % 4), 10);
            break;
        case 9:
            settings.ReadIdentification(static_cast<SettingsProtocol::Identification>(choice % 3));
            break;
        case 10: {
            const SettingsProtocol::BytesReply bytes =
                settings.QueryBytes(SettingsProtocol::kHeadTemperatureQuery, 10, choice * 5,
                                    choice & 1 ? ReadEnd::LineEnd : ReadEnd::Length);
            Check(bytes.count >= 0 && bytes.count <= bytes.bytes.size());
            break;
        }
        default: {
            const SettingsProtocol::BytesReply pieces =
                settings.ReadSensingReply(SettingsProtocol::SensingInPieces(port.Kind(), 0));
            Check(pieces.count >= 0 && pieces.count <= pieces.bytes.size());
            break;
        }
    }
    return 0;
}
