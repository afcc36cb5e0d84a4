#pragma once

#include <QWidget>
#include <vector>

#include "calibration/StatusDecoding.h"
#include "forms/ToolContext.h"
#include "settings/SettingsProtocol.h"

class QCheckBox;

// One status request tried on its own: a group of check boxes and the button that sends the
// request and ticks the boxes the reply reports. The boxes only show; clicking one changes
// nothing else.
class StatusPage : public QWidget {
    Q_OBJECT
public:
    using Status = SettingsProtocol::Status;
    using Box = StatusDecoding::Box;

    // The page of `request`; its object name, its boxes and their order follow the request.
    StatusPage(Status request, const ToolContext& context, QWidget* parent = nullptr);

    Status Request() const { return request_; }
    // The test button: sends the request, reads the reply and shows it. The last error code is
    // asked only over a serial line.
    void Test();
    // Clears every box, then ticks those in `boxes` that the page has.
    void Show(const StatusDecoding::Boxes& boxes);
    // The boxes ticked now.
    StatusDecoding::Boxes Ticked() const;

private:
    struct Indicator {
        Box box;
        QCheckBox* check;
    };

    Status request_;
    ToolContext context_;
    SettingsProtocol protocol_;
    std::vector<Indicator> indicators_;
};
