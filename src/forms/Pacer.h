#pragma once

// Every fixed pause of a printer exchange goes through a Pacer, so tests can record the pauses
// asked for instead of sleeping.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void Pause(int milliseconds) = 0;
    // Called often during long device waits: keep the windows painted.
    virtual void KeepPainted() = 0;
};

// Waits the real time while windows keep repainting; user input waits until the pause is over,
// as it would while the window is busy with the printer.
class WallClockPacer : public Pacer {
public:
    void Pause(int milliseconds) override;
    void KeepPainted() override;
};
