#pragma once

#include <cstdint>

class CMouseWnd;
class CWnd;

// Base of the pointer tools. A stroke is OnButtonDown (which usually begins
// the capture), any number of OnMouseMove, OnButtonUp (which releases it),
// then OnCaptureLost. When another window takes the pointer the stroke ends
// through OnCaptureLost alone.
class CMouseTool {
public:
    static constexpr int16_t kStrokeCapture = -1;

    virtual ~CMouseTool() = default;

    virtual void OnButtonDown(unsigned flags, int x, int y) = 0;
    // Releases the capture if this tool's window holds it.
    virtual void OnButtonUp(unsigned flags, int x, int y);
    // Behaves as OnButtonDown.
    virtual void OnDoubleClick(unsigned flags, int x, int y);
    virtual void OnMouseMove(unsigned flags, int x, int y) = 0;
    // The end of every stroke.
    virtual void OnCaptureLost(CWnd* newOwner) = 0;
    // A timer the tool set on its window has run out.
    virtual void OnTimer(int id);
    virtual CMouseWnd* GetWindow() const { return m_window; }

    void BeginCapture(int16_t mode);
    bool IsCapturing() const;

    int16_t GetCaptureMode() const { return m_captureMode; }
    bool IsCaptured() const { return m_captured; }
    int GetCommandID() const { return m_commandId; }
    void SetCommandID(int id) { m_commandId = id; }

private:
    friend class CMouseWnd;

    int16_t m_captureMode = 0;
    bool m_captured = false;
    int m_commandId = -1;
    CMouseWnd* m_window = nullptr;
};
