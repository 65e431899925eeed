#pragma once

#include <vector>

#include "model/dib_section.h"
#include "model/geometry.h"
#include "views/image_navigator.h"
#include "views/mouse_wnd.h"

class IImageViewListener;

// A window that shows an image at a whole-number zoom with scrolling, and
// maps between screen (client) and image coordinates. All drawing goes to a
// display-depth back buffer of the client size plus a 32-pixel margin. Its
// scroll bars, the wheel and the middle button move the view as its
// navigator says.
class CImageWnd : public CMouseWnd {
public:
    CImageWnd() : m_navigator(*this) {}

    static constexpr int kBackBufferMargin = 32;

    struct SScroll {
        int position = 0;  // the image coordinate at the window's left or top edge
        int minimum = 0;
        int maximum = 0;
        bool enabled = false;
    };

    // The image shown, from the derived window.
    virtual CSize GetImageSize() const = 0;
    // Repaints the whole back buffer, and shows it when present is set.
    virtual void RepaintAll(bool present) = 0;

    CPoint ScreenToImage(CPoint screen) const;
    CRect ImageToScreen(const CRect& image) const;
    // Intersects with the image and/or the visible part of it; false when
    // nothing is left.
    bool ClipRect(CRect& rect, bool toImage, bool toView) const;

    // Clamps each enabled direction to its range unless forced; repaints when
    // the position changed.
    void SetScroll(int x, int y, bool force);
    // Keeps the image point at the centre of the window when keepCentre is set.
    void SetZoom(int zoom, bool keepCentre);
    // Zooms keeping the image point under the screen point there.
    void ZoomAround(int zoom, CPoint screen);
    // Centres the image again; with resetZoom at zoom 1, or with fitting
    // levels, at the largest of them at which the whole image fits.
    void ResetView(bool resetZoom);
    // The levels a reset view fits the image with; none keeps zoom 1.
    void SetFitZoomLevels(std::vector<int> levels) { m_fitZoomLevels = std::move(levels); }
    // Scrolls by a quarter of the visible size (at least one pixel) per step.
    void ScrollBySteps(int dx, int dy);
    // Keeps the scroll position, except that the first size shows the image
    // as a reset view would.
    void OnSize(int width, int height) override;
    void OnMButtonDown(unsigned flags, CPoint point) override;
    void OnMButtonUp(unsigned flags, CPoint point) override;
    void OnMouseWheel(unsigned flags, int delta, CPoint point) override;
    void OnMouseHWheel(unsigned flags, int delta, CPoint point) override;
    void OnHScroll(int position) override;
    void OnVScroll(int position) override;

    CImageNavigator& GetNavigator() { return m_navigator; }
    // Told of zoom changes (not owned; none by default).
    void SetViewListener(IImageViewListener* listener) { m_viewListener = listener; }

    int GetZoom() const { return m_zoom; }
    CPoint GetScrollPosition() const { return {m_horizontal.position, m_vertical.position}; }
    const SScroll& GetHorizontalScroll() const { return m_horizontal; }
    const SScroll& GetVerticalScroll() const { return m_vertical; }
    CSize GetClientSize() const { return m_clientSize; }
    // Visible size in image pixels, rounded up and down.
    CSize GetVisibleSize() const { return m_visibleUp; }
    CSize GetVisibleSizeRoundedDown() const { return m_visibleDown; }
    // The visible part of the image plane (it may reach past the image).
    CRect GetViewRect() const;

    void SetOverscroll(bool on) { m_overscroll = on; }
    bool IsOverscroll() const { return m_overscroll; }

    const CDibSection* GetBackBuffer() const override { return m_backBuffer.IsCreated() ? &m_backBuffer : nullptr; }

protected:
    CDibSection& BackBuffer() { return m_backBuffer; }
    // Fills the back buffer outside the image with the checked tile that
    // moves with the image.
    void FillOutsideImage();

private:
    void StoreZoom(int zoom);
    int FitZoom() const;
    // Shows the scroll ranges and positions on the scroll bars.
    void UpdateScrollBars();
    void UpdateVisibleSizes();
    void UpdateScrollRanges(bool centre);
    void UpdateScrollRange(SScroll& scroll, int image, int visibleUp, int visibleDown, int client, bool centre) const;

    int m_zoom = 1;
    CDibSection m_backBuffer;
    SScroll m_horizontal;
    SScroll m_vertical;
    bool m_overscroll = false;
    CSize m_clientSize;
    CSize m_visibleUp;
    CSize m_visibleDown;
    std::vector<int> m_fitZoomLevels;
    // A reset came before the window had a size; the first size does it.
    bool m_resetPending = false;
    CImageNavigator m_navigator;
    IImageViewListener* m_viewListener = nullptr;
};
