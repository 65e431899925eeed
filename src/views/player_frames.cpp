#include "views/player_frames.h"

SPlayerStep NextPlayerFrame(int frame, bool backward, int frameCount, EPlayerOrder order, bool loop)
{
    SPlayerStep step{frame, backward, false};
    if (order == kPlayFirstToLast) {
        ++step.frame;
        if (loop) {
            step.frame %= frameCount;
        } else if (step.frame >= frameCount - 1) {
            step.stop = true;
        }
        return step;
    }
    if (!step.backward) {
        ++step.frame;
        if (step.frame >= frameCount - 1) {
            // Turn at the last frame: the step back below lands on it.
            step.backward = true;
            step.frame = frameCount;
        }
    }
    if (step.backward) {
        --step.frame;
        if (loop && step.frame < 0) {
            // Frame 1 follows frame 0 again; with two frames it is also the
            // last one, so the way back starts there (else it would show
            // twice in a row).
            step.frame = 1;
            step.backward = frameCount == 2;
        } else if (!loop && step.frame <= 0) {
            step.frame = 0;
            step.stop = true;
        }
    }
    return step;
}

int GetFramePeriod(int delayMilliseconds, int speed)
{
    return int(int64_t(delayMilliseconds) * 100 / speed);
}
