#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/geometry.h"
#include "model/layer_cache.h"
#include "model/selection_frame_list.h"
#include "tools/image_selector.h"
#include "tools/layer_painter.h"
#include "tools/pen_nib.h"
#include "tools/tone.h"
#include "views/canvas_painting.h"
#include "views/image_grid.h"
#include "views/image_wnd.h"

class CShape;
class CShapePen;
class CStippleboxData;
class CStippleboxPalette;

// The canvas: shows the document's displayed picture (through the layer
// cache) and draws on its current layer. It keeps a backup copy of the
// current layer from before the running stroke, so previews can be taken
// back, and marches the outline of the current layer's selection.
class CImageEditWnd : public CImageWnd {
public:
    // Told whenever the canvas shows something new, so that other views of
    // the picture can follow it.
    class IFollower {
    public:
        virtual ~IFollower() = default;
        // The whole canvas is painted again: the view moved or zoomed, or
        // the picture changed everywhere.
        virtual void OnCanvasRepainted() = 0;
        // Pixels changed in an image rectangle: the current layer's, and
        // with otherLayers those of the layers linked to it.
        virtual void OnCanvasRefreshed(const CRect& rect, bool currentLayer, bool otherLayers) = 0;
    };

    static constexpr int kFrameTimerId = 103;
    static constexpr int kFrameTimerMilliseconds = 500;
    // The capture mode of a selection tool dragging its selection; the
    // outline shows the active dashes meanwhile.
    static constexpr int16_t kSelectionDragCapture = 2;

    CImageEditWnd();
    ~CImageEditWnd() override;

    // Shows the document (not owned): backup, layer cache and selection
    // outline are made for it and the outline timer starts.
    void AttachDocument(CStippleboxData* document);
    CStippleboxData* GetDocument() const { return m_document; }
    CSize GetImageSize() const override;

    CLayerCache& GetLayerCache() { return m_layerCache; }
    const CLayerCache& GetLayerCache() const { return m_layerCache; }
    CImageSelector& GetSelector() { return m_selector; }
    CPenNib& GetPenNib() { return m_penNib; }
    CTone& GetTone() { return m_tone; }
    EFillStyle GetFillStyle() const { return m_fillStyle; }
    void SetFillStyle(EFillStyle style) { m_fillStyle = style; }

    bool IsGridShown() const { return m_gridShown; }
    // Repaints the whole window.
    void SetGridShown(bool shown);
    const SImageGrid& GetGrid() const { return m_grid; }
    void SetGrid(const SImageGrid& grid);

    // The backup copy of the current layer (width × height, row stride width).
    // MakeBackup reallocates it for the image size, filled from the current
    // layer with copy set.
    void MakeBackup(bool copy);
    void RefreshBackup();
    void UpdateBackup(const CRect& rect);
    // Takes a preview back: the backup's pixels return to the current layer.
    void RestoreFromBackup(const CRect& rect);
    const std::vector<uint8_t>& GetBackup() const { return m_backup; }

    // Replaces every pixel of every layer, selections included, by
    // table[pixel]; the cache and the backup follow.
    void RemapIndices(const std::array<uint8_t, 256>& table);

    // Shows the picture through another palette (not owned) than the
    // current one until called with none; the palette window's drags keep
    // the picture's look this way while they reorder entries.
    void SetShownPalette(const CStippleboxPalette* palette);

    // The image clip and/or the visible part, then with toSelection the
    // bounding rectangle of the current layer's selection; false when empty.
    bool ClipToEditArea(CRect& rect, bool toImage, bool toView, bool toSelection) const;

    // Drawing into the current layer with the canvas's nib, tone and the
    // document's drawing colour. With redraw the touched area is refreshed.
    CLayerPainter MakePainter();
    void StampNib(int x, int y);
    CRect FillRectangle(const CRect& rect, bool redraw);
    void FillEllipse(int x0, int y0, int x1, int y1);
    // Returns the painted rectangle, empty when nothing was painted.
    CRect FloodFill(int x, int y, bool redraw);
    CRect PaintMask(const CRect& rect, bool redraw, const uint8_t* mask, const CRect& maskRect);
    // Draws the shape with the pen. With replace, the previous preview in
    // `dirty` is taken back first and `dirty` becomes the shape's rectangle;
    // otherwise the shape's (clipped) rectangle is added to `dirty`.
    void DrawShape(CShape& shape, CShapePen& pen, int x0, int y0, int x1, int y1, bool redraw, CRect& dirty,
                   bool replace);

    // Brings the cache and the back buffer up to date in an image rectangle
    // and shows it when present is set. The grid lines of the pixel grid are
    // left alone by the picture, so only redrawGrid repaints them.
    void Refresh(CRect rect, bool present, bool currentLayerChanged, bool redrawGrid, bool otherLayersChanged);
    void RepaintAll(bool present) override;

    // After the current layer's selection changed.
    void RebuildSelectionFrame();
    void RestartFrameTimer();
    uint8_t GetFramePhase() const { return m_framePhase; }

    void OnTimer(int id) override;

    // One follower at a time, or none.
    void SetFollower(IFollower* follower) { m_follower = follower; }

private:
    SCanvasLayout GetLayout() const;
    // Picture, selector points, grids and selection outline of a visible
    // image rectangle.
    void PaintPictureRect(const CRect& rect, EGridLines gridLines);
    void PaintSelectorPoints(const CRect& rect);
    void PaintIntervalGrid(const CRect& rect);
    void PaintSelectionFrame(const CRect& rect);
    bool HasSelection() const;
    const CStippleboxPalette& GetShownPalette() const;
    void CopyRect(const CRect& rect, bool toBackup);

    std::vector<uint8_t> m_backup;
    bool m_gridShown = true;
    SImageGrid m_grid;
    CStippleboxData* m_document = nullptr;
    const CStippleboxPalette* m_shownPalette = nullptr;
    CLayerCache m_layerCache;
    CPenNib m_penNib;
    CTone m_tone;
    EFillStyle m_fillStyle = kFillNormal;
    CImageSelector m_selector;
    // The flood fill's region mask, all zero between fills: a fill clears
    // only what it touched, not the whole canvas.
    std::vector<uint8_t> m_fillMask;
    CSelectionFrameList m_selectionFrame;
    uint8_t m_framePhase = 0;
    IFollower* m_follower = nullptr;
};
