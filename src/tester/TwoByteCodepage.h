#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <cstdint>
#include <optional>

// The two-byte code table samples: one label per lead byte, holding every character of that lead
// byte in a row, in a two-byte bitmap font or the vector font.
class TwoByteCodepage {
public:
    enum class Table { Ks5601, Gb2312, Big5, Jis };
    enum class FontKind { Bitmap, Vector };

    // What each code table prints with and where its characters lie.
    struct TableInfo {
        Table table;
        const char* name;
        const char* startBlock;  // what Start and End show when the table is chosen
        const char* endBlock;
        QByteArrayView bitmapFonts;  // the letters of its bitmap fonts, in list order
        char chosenFont;
        char vectorFont;
        std::uint8_t firstLead;  // the lead bytes of "print all", every byte between included
        std::uint8_t lastLead;
        std::uint8_t firstTrail;  // the trail bytes run from here to kLastTrail
    };
    static constexpr int kTables = 4;
    static constexpr std::uint8_t kLastTrail = 0xFE;
    static const TableInfo& Info(Table table);

    // Two characters, each a digit or a letter A to F in either case: one hexadecimal byte.
    static std::optional<std::uint8_t> ReadBlock(QStringView text);

    Table table = Table::Ks5601;
    FontKind fontKind = FontKind::Bitmap;
    char bitmapFont = 'd';
    int vectorWidth = 35;
    int vectorHeight = 35;

    // The text command up to and including the apostrophe that opens the characters.
    QByteArray Head() const;
    // One label: the head, the lead byte with every trail byte, the closing apostrophe, CR, P1,
    // CR. The pairs are not escaped: the printer reads them two bytes at a time.
    QByteArray Label(std::uint8_t lead) const;
};
