#pragma once

#include "model/geometry.h"
#include "views/drag_judge.h"

class CWnd;

// Recognises a press held still for the desktop's press-and-hold interval:
// the pointer neither lifted nor moved as far as a drag. The wait runs on a
// timer of the window, so the window passes its timer ticks on.
class CPressAndHold {
public:
    static constexpr int kTimerId = 104;

    CPressAndHold() = default;
    ~CPressAndHold();
    CPressAndHold(const CPressAndHold&) = delete;
    CPressAndHold& operator=(const CPressAndHold&) = delete;

    // Starts waiting for a press at the screen point.
    void Start(CWnd& window, CPoint point);
    // A move as far as a drag ends the wait.
    void Move(CPoint point);
    void Cancel();
    // True, once, when the tick is this wait's and the press was held.
    bool OnTimer(int id);
    bool IsWaiting() const { return m_window != nullptr; }

private:
    CWnd* m_window = nullptr;
    CDragJudge m_drag;
};
