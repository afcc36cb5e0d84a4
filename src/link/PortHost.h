#pragma once

class QString;

// What the link needs from the application around it: its two warnings shown, its fixed pauses
// kept, and the windows kept painted while a device call waits.
class PortHost {
public:
    virtual ~PortHost() = default;
    virtual void Warning(const QString& text) = 0;
    virtual void Pause(int milliseconds) = 0;
    virtual void KeepPainted() = 0;
};
