#pragma once

#include <vector>

#include "forms/Pacer.h"

// Records the pauses asked for. It does not sleep unless told to wait for real (tests against the
// simulator, where timing is part of what is tested).
class RecordingPacer : public Pacer {
public:
    explicit RecordingPacer(bool realTime = false) : realTime_(realTime) {}

    void Pause(int milliseconds) override;
    void KeepPainted() override { ++keepPaintedCalls; }

    int Total() const;
    void Clear() { pauses.clear(); }

    std::vector<int> pauses;
    int keepPaintedCalls = 0;

private:
    bool realTime_;
};
