#include "link/UsbIdTable.h"

#include <algorithm>

const std::array<QByteArrayView, UsbIdTable::kModels>& UsbIdTable::Ids() {
    static constexpr std::array<QByteArrayView, kModels> kIds = {
        "vid_2e8f&pid_0510",  // 0 KV-510
        "vid_3a5e&pid_0512",  // 1 KV-510II
        "vid_3a5e&pid_0140",  // 2 QX-M40
        "vid_3a5e&pid_0143",  // 3 QX-M43
        "vid_3a5e&pid_0242",  // 4 QX-R42
        "vid_3a5e&pid_0245",  // 5 QX-R45
        "vid_3a5e&pid_0222",  // 6 QX-R22
        "vid_3a5e&pid_0225",  // 7 QX-R25
    };
    return kIds;
}

const std::array<int, UsbIdTable::kModels>& UsbIdTable::MatchOrder() {
    static constexpr std::array<int, kModels> kOrder = {1, 0, 2, 3, 4, 5, 6, 7};
    return kOrder;
}

QByteArray UsbIdTable::IdText(QByteArrayView vendor, QByteArrayView product) {
    QByteArray text("vid_");
    text += vendor;
    text += "&pid_";
    text += product;
    return text;
}

int UsbIdTable::ModelIndexOf(QByteArrayView idText) {
    const auto& order = MatchOrder();
    const auto found =
        std::find_if(order.begin(), order.end(), [&](int model) { return Ids()[model] == idText; });
    return found == order.end() ? -1 : *found;
}
