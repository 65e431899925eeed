#pragma once

#include "model/stipplebox_accessor.h"
#include "views/image_tool.h"
#include "views/image_wnd.h"

// The player's picture: one layer at a time, unblended, at the player's
// zoom, black around it. Frame f is the layer at index (count − 1 − f), so
// playback runs from the backmost layer to the frontmost; an index below 0
// shows layer 0.
class CPlayerImageWnd : public CImageWnd, public CStippleboxAccessor {
public:
    CSize GetImageSize() const override;
    void RepaintAll(bool present) override;

    int GetFrame() const { return m_frame; }
    // Stores the frame and shows it.
    void ShowFrame(int frame);
    int GetFrameLayerIndex() const;

private:
    int m_frame = 0;
};

// The player's pointer tools.
class CPlayerImageTool : public CImageTool, public CStippleboxAccessor {
public:
    CPlayerImageWnd& GetPlayerImageWindow() const;
};

// Frame step: each press shows the next frame, after the last the first.
class CPlayerImageToolFrame : public CPlayerImageTool {
public:
    void OnButtonDown(unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned, int, int) override {}
    void OnButtonUp(unsigned, int, int) override {}
    void OnCaptureLost(CWnd*) override {}
};
