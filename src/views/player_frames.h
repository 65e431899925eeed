#pragma once

#include <cstdint>

// The order the player shows the frames in.
enum EPlayerOrder : uint8_t {
    kPlayFirstToLast = 0,
    kPlayFirstToLastToFirst = 1,
};

// Where playback goes after a frame, with n frames (n ≥ 2). There and back
// shows each end once: 0, 1, 2, 1, 0, 1, ... with three frames; without loop
// it stops at the last frame (first to last) or back at frame 0.
struct SPlayerStep {
    int frame = 0;
    bool backward = false;
    bool stop = false;
};
SPlayerStep NextPlayerFrame(int frame, bool backward, int frameCount, EPlayerOrder order, bool loop);

// How long a frame stays, in milliseconds, at a speed in percent.
int GetFramePeriod(int delayMilliseconds, int speed);
