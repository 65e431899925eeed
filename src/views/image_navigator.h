#pragma once

#include <memory>

#include "model/geometry.h"

class CImageWnd;
class CZoomManager;

// Desktop navigation of an image window, whatever its tool: the wheel
// scrolls (sideways with Shift, or with a sideways wheel), Ctrl+wheel steps
// through the zoom levels keeping the image pixel under the pointer where it
// is, and the middle button drags the view, as does the left button while
// the hand key is held. A drag never starts in the middle of another stroke.
class CImageNavigator {
public:
    explicit CImageNavigator(CImageWnd& window);
    ~CImageNavigator();
    CImageNavigator(const CImageNavigator&) = delete;
    CImageNavigator& operator=(const CImageNavigator&) = delete;

    // The levels Ctrl+wheel steps through (not owned); without them the
    // wheel does not zoom.
    void SetZoomLevels(const CZoomManager* levels) { m_zoomLevels = levels; }

    void OnMouseWheel(unsigned flags, int delta, CPoint point);
    void OnMouseHWheel(unsigned flags, int delta, CPoint point);
    void OnMButtonDown(unsigned flags, CPoint point);
    void OnMButtonUp(unsigned flags, CPoint point);
    // While the hand key is held the left button drags the view; released
    // during a drag, the drag still ends with the button.
    void SetHandKeyHeld(bool held);

    // Screen pixels the view moves per wheel notch, whatever the zoom.
    static constexpr int kWheelScrollPixels = 64;

private:
    class CHand;

    void Scroll(bool horizontal, int delta);
    void Zoom(int delta, CPoint point);
    void TakePointer();
    void OnHandDragEnded();

    CImageWnd& m_window;
    std::unique_ptr<CHand> m_hand;
    const CZoomManager* m_zoomLevels = nullptr;
    bool m_handKeyHeld = false;
    bool m_middleDrag = false;
    // Wheel turns not yet worth a whole step, in WHEEL_DELTA units of screen
    // pixels and of zoom steps.
    int m_pendingScroll[2] = {0, 0};
    int m_pendingZoom = 0;
};
