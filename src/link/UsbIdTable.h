#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>

// The USB vendor and product ids of the printer models Tagwell knows, one row per model index
// (the main window's model order), and how a device's id text is matched against them.
class UsbIdTable {
public:
    static constexpr int kModels = 8;
    // "vid_xxxx&pid_xxxx", lower-case hexadecimal, indexed by model. Model 0 came from another
    // vendor than the rest.
    static const std::array<QByteArrayView, kModels>& Ids();
    // Rows are tried in this order of model index.
    static const std::array<int, kModels>& MatchOrder();

    // The id text of a device from its idVendor and idProduct texts, as they are.
    static QByteArray IdText(QByteArrayView vendor, QByteArrayView product);
    // The model index of the first row, in match order, whose id equals `idText` exactly
    // (letter case counts); -1 when none does.
    static int ModelIndexOf(QByteArrayView idText);
};
