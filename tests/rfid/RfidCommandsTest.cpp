#include <gtest/gtest.h>

#include <vector>

#include "rfid/LockPayload.h"
#include "rfid/RfidCommands.h"

namespace {

using C = RfidCommands;
using DataType = RfidCommands::DataType;
using End = RfidCommands::LineEnd;
using Memory = RfidCommands::Memory;
using TagKind = RfidCommands::TagKind;

TEST(RfidCommands, FixedCommandsByteForByte) {
    const C::Settings defaults{.tagType = C::TagType::Gen2,
                               .retries = 3,
                               .labels = 2,
                               .power = 1,
                               .transponderPosition = "600"};
    C::Settings noType = defaults;
    noType.tagType.reset();
    const C::Settings highest{.tagType = C::TagType::IsoB,
                              .retries = 10,
                              .labels = 5,
                              .power = 31,
                              .transponderPosition = "12.5 "};
    const QByteArray passwordHead = ">RFZ,'5E3A91C7,5E3A91C7,";
    const struct {
        const char* what;
        QByteArray command;
        QByteArray bytes;
    } cases[] = {
        {"default settings", C::SetSettings(defaults), ">RFS,5,3,2,1\r>RFTP,600\r"},
        {"no tag type", C::SetSettings(noType), ">RFS,3,2,1\r>RFTP,600\r"},
        {"ISO-B, highest values, position as entered", C::SetSettings(highest),
         ">RFS,2,10,5,31\r>RFTP,12.5 \r"},
        {"query 1", C::Query(1), ">RFI,1\r"},
        {"query 7", C::Query(7), ">RFI,7\r"},
        {"counter reset", C::ResetCounters(), ">RFVR\r"},
        {"auto calibration", C::AutoCalibration(), ">RFCP\r"},
        {"unlock", C::Unlock(), ">RFUL\r"},
        {"unlock line", C::Unlock(End::Tester), ">RFUL\r\n"},
        {"lock line", C::Lock(End::Tester), ">RFLK\r\n"},
        {"kill line", C::Kill(End::Tester), ">RFKL\r\n"},
        {"one label", C::PrintOneLabel(), "P1\r"},
        {"passwords", C::SetPasswords("5E3A91C7", "5E3A91C7"),
         passwordHead + "5E3A91C7,5E3A91C7'\r"},
        {"passwords line", C::SetPasswords("0011AAFF", "12345678", End::Tester),
         passwordHead + "0011AAFF,12345678'\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.command, c.bytes) << c.what;
    }
    EXPECT_EQ(C::SetPasswords("5E3A91C7", "5E3A91C7").size(), 43);
    EXPECT_EQ(C::SetPasswords("5E3A91C7", "5E3A91C7", End::Tester).size(), 44);
}

TEST(RfidCommands, WriteAndReadHeadsFollowKindMemoryAndType) {
    const struct {
        TagKind kind;
        Memory memory;
        DataType type;
        const char* write;
        const char* read;
    } cases[] = {
        {TagKind::Label, Memory::Epc, DataType::Hex, ">RFW,H,", ">RFR,H,"},
        {TagKind::Label, Memory::Epc, DataType::Ascii, ">RFW,A,", ">RFR,A,"},
        {TagKind::Label, Memory::User, DataType::Hex, ">RFW,U,", ">RFR,U,"},
        {TagKind::Label, Memory::User, DataType::Ascii, ">RFW,U,", ">RFR,U,"},
        {TagKind::Metal, Memory::Epc, DataType::Hex, ">RFw,H,", ">RFr,H,"},
        {TagKind::Metal, Memory::Epc, DataType::Ascii, ">RFw,A,", ">RFr,A,"},
        {TagKind::Metal, Memory::User, DataType::Hex, ">RFw,U,", ">RFr,u,"},
        {TagKind::Metal, Memory::User, DataType::Ascii, ">RFw,U,", ">RFr,u,"},
    };
    for (const auto& c : cases) {
        const QByteArray write(c.write);
        const QByteArray read(c.read);
        // The data go out as entered: a quote is not escaped, the length not compared.
        EXPECT_EQ(C::WriteData(c.kind, c.memory, c.type, 16, 53, "A'B"), write + "16,53,'A'B'\r");
        EXPECT_EQ(C::WriteData(c.kind, c.memory, c.type, 0, 2, "", End::Tester),
                  write + "0,2,''\r\n");
        EXPECT_EQ(C::ReadData(c.kind, c.memory, c.type, 4, 12, C::Output::Send), read + "4,12,S\r");
        EXPECT_EQ(C::ReadData(c.kind, c.memory, c.type, 0, 64, C::Output::Print, End::Tester),
                  read + "0,64,P\r\n");
    }
    EXPECT_EQ(C::ReplyLength(DataType::Hex, 64), 128);
    EXPECT_EQ(C::ReplyLength(DataType::Ascii, 2), 2);
}

TEST(RfidCommands, LockPayloadBitsLandWhereTheTagExpectsThem) {
    using Row = LockPayload::Row;
    using Area = LockPayload::Area;
    using Side = LockPayload::Side;
    struct Box {
        Row row;
        Area area;
        Side side;
    };
    const struct {
        std::vector<Box> ticked;
        const char* text;
    } cases[] = {
        {{}, "00,00,00"},
        {{{Row::Mask, Area::KillPassword, Side::Left}}, "80,00,00"},
        {{{Row::Mask, Area::Tid, Side::Right}}, "01,00,00"},
        {{{Row::Mask, Area::User, Side::Left}}, "00,80,00"},
        {{{Row::Action, Area::KillPassword, Side::Left}}, "00,20,00"},
        {{{Row::Action, Area::Epc, Side::Right}}, "00,01,00"},
        {{{Row::Action, Area::Tid, Side::Left}}, "00,00,80"},
        {{{Row::Action, Area::User, Side::Right}}, "00,00,10"},
        {{{Row::Mask, Area::AccessPassword, Side::Right}, {Row::Action, Area::Tid, Side::Right}},
         "10,00,40"},
    };
    for (const auto& c : cases) {
        LockPayload payload;
        for (const Box& box : c.ticked) {
            payload.Set(box.row, box.area, box.side, true);
        }
        EXPECT_EQ(payload.Text(), QByteArray(c.text));
        EXPECT_EQ(C::SetLockPayload(C::LockMode::Lock, payload),
                  ">RFLP,L,'" + payload.Text() + "'\r");
    }
    LockPayload all;
    for (int index = 0; index < LockPayload::kBoxCount; ++index) {
        all.Set(index, true);
    }
    all.Set(LockPayload::kBoxCount, true);  // beyond the payload: ignored
    EXPECT_EQ(all.Text(), QByteArray("FF,FF,F0"));
    EXPECT_EQ(C::SetLockPayload(C::LockMode::Unlock, all, End::Tester),
              QByteArray(">RFLP,U,'FF,FF,F0'\r\n"));
    all.Set(LockPayload::Index(Row::Mask, Area::Epc, Side::Left), false);
    EXPECT_EQ(all.Text(), QByteArray("F7,FF,F0"));
}

TEST(RfidCommands, PasswordsAndCellTexts) {
    const struct {
        const char* entered;
        const char* password;
    } passwords[] = {
        {"5E.3A.91.C7", "5E3A91C7"},
        {"5E3A91C7", "5E3A91C7"},
        {".5E3A9..1C7.", "5E3A91C7"},
        {"5E.3A.91", "5E3A91"},  // six characters: the caller refuses them
        {"5E.3A.91.C7.0", "5E3A91C70"},
        {"....", ""},
    };
    for (const auto& p : passwords) {
        EXPECT_EQ(C::Password(QString::fromUtf8(p.entered)), QString::fromUtf8(p.password))
            << p.entered;
    }

    const struct {
        const char* text;
        bool hex;
        bool ascii;
    } texts[] = {
        {"", true, true},
        {"0123456789", true, true},
        {"abcdefABCDEF", true, true},
        {"/", false, true},  // the neighbours of the digit and letter ranges
        {":", false, true},
        {"@", false, true},
        {"G", false, true},
        {"`", false, true},
        {"g", false, true},
        {" 1", false, true},
        {"'~", false, true},
        {"\t", false, false},
        {"\x7f", false, false},
        {"\xc3\xa9", false, false},      // é
        {"\xef\xbc\xa1", false, false},  // a full-width A
    };
    for (const auto& t : texts) {
        const QString text = QString::fromUtf8(t.text);
        EXPECT_EQ(C::IsHexDigits(text), t.hex) << t.text;
        EXPECT_EQ(C::IsPrintableAscii(text), t.ascii) << t.text;
    }
}

}  // namespace
