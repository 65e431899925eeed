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
    // A tool that takes the pointer from the current one while it is set,
    // without replacing it (not owned): the hand of a held key or of the
    // middle button.
    void SetTemporaryTool(CMouseTool* tool);
    CMouseTool* GetTemporaryTool() const { return m_temporaryTool; }

    void OnLButtonDown(unsigned flags, CPoint point) override;
    void OnLButtonDblClk(unsigned flags, CPoint point) override;
    void OnLButtonUp(unsigned flags, CPoint point) override;
    void OnMouseMove(unsigned flags, CPoint point) override;
    void OnCaptureChanged(CWnd* newOwner) override;
    // Timers the window does not use itself belong to its tool.
    void OnTimer(int id) override;

private:
    CMouseTool* GetPointerTool() const { return m_temporaryTool != nullptr ? m_temporaryTool : m_tool.get(); }

    std::unique_ptr<CMouseTool> m_tool;
    CMouseTool* m_temporaryTool = nullptr;
};
