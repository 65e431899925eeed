#pragma once

#include <memory>

#include "platform/window.h"
#include "views/mouse_tool.h"

// A window with one current pointer tool, to which it routes the left
// button, pointer moves and the loss of the capture.
class CMouseWnd : public CWnd {
public:
    // Replaces (and deletes) the current tool.
    void SetTool(std::unique_ptr<CMouseTool> tool);
    CMouseTool* GetTool() const { return m_tool.get(); }

    void OnLButtonDown(unsigned flags, CPoint point) override;
    void OnLButtonDblClk(unsigned flags, CPoint point) override;
    void OnLButtonUp(unsigned flags, CPoint point) override;
    void OnMouseMove(unsigned flags, CPoint point) override;
    void OnCaptureChanged(CWnd* newOwner) override;
    // Timers the window does not use itself belong to its tool.
    void OnTimer(int id) override;

private:
    std::unique_ptr<CMouseTool> m_tool;
};
