#pragma once

#include <array>

#include "model/dib_section.h"
#include "model/stipplebox_palette.h"
#include "platform/window.h"

class CColorValueBar;

// What a value bar tells the window that owns it.
class CColorValueBarEvent {
public:
    virtual ~CColorValueBarEvent() = default;
    // A pen-down starts an interaction.
    virtual void OnBegin(CColorValueBar& bar) = 0;
    // The value changed.
    virtual void OnChange(CColorValueBar& bar) = 0;
    // The pen is lifted (or the interaction lost the pointer).
    virtual void OnEnd(CColorValueBar& bar) = 0;
};

// One channel of a colour: a horizontal strip with the channel's gradient, a
// marker under it at the value, and a step button at each end that repeats
// while held.
class CColorValueBar final : public CWnd {
public:
    static constexpr int kRepeatTimerId = 103;
    static constexpr int kFirstRepeatMilliseconds = 500;
    static constexpr int kRepeatMilliseconds = 100;
    static constexpr int kGradientSize = 256;

    enum EDragMode { kDragNone = 0, kDragLeftButton = 1, kDragRightButton = 2, kDragStrip = 3 };

    CColorValueBar();

    void SetListener(CColorValueBarEvent* listener) { m_listener = listener; }
    int GetMax() const { return m_max; }
    void SetMax(int max);
    // −1 until a value is set.
    int GetValue() const { return m_value; }
    // Clamps to 0 … max; a changed value moves the marker and, with notify,
    // tells the listener.
    void SetValue(int value, bool notify);
    EDragMode GetDragMode() const { return m_dragMode; }
    // The gradient's colour table: entry j is the colour at j / 255 of the
    // strip's width.
    void SetGradient(const std::array<SPaletteColor, kGradientSize>& colors);

    // Layout: the step buttons, the strip, and the area that takes a press
    // as a press on the strip.
    const CRect& GetLeftButtonRect() const { return m_leftButton; }
    const CRect& GetRightButtonRect() const { return m_rightButton; }
    const CRect& GetStripRect() const { return m_strip; }
    EDragMode HitTest(CPoint point) const;
    // The marker's column for a value, and the value under a column.
    int ValueToX(int value) const;
    int XToValue(int x) const;

    void OnLButtonDown(unsigned flags, CPoint point) override;
    void OnLButtonUp(unsigned flags, CPoint point) override;
    void OnMouseMove(unsigned flags, CPoint point) override;
    void OnCaptureChanged(CWnd* newOwner) override;
    void OnTimer(int id) override;
    void OnSize(int width, int height) override;
    const CDibSection* GetBackBuffer() const override { return m_backBuffer.IsCreated() ? &m_backBuffer : nullptr; }

private:
    // Steps the value the held button's way; false at the end of the range.
    bool Step();
    void EndInteraction();
    void PaintAll();
    void PaintButton(bool right, bool pushed);
    void PaintStrip();
    void PaintMarker();
    void Show(const CRect& rect);

    int m_max = 0;
    int m_value = -1;
    EDragMode m_dragMode = kDragNone;
    CColorValueBarEvent* m_listener = nullptr;
    CRect m_leftButton;
    CRect m_rightButton;
    CRect m_strip;
    CSize m_client;
    // One row, 8 bits a pixel: pixel x holds the gradient entry of column x.
    CDibSection m_gradient;
    CRect m_marker;
    CDibSection m_backBuffer;
};
