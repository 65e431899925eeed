#include "views/image_edit_wnd.h"

#include <algorithm>
#include <cstring>

#include "model/dib_section.h"
#include "model/index_remap.h"
#include "model/onion_skin_colors.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "model/stipplebox_layer.h"
#include "model/stipplebox_palette.h"
#include "tools/shape.h"
#include "tools/shape_pen.h"

CImageEditWnd::CImageEditWnd() : m_selector(this) {}
CImageEditWnd::~CImageEditWnd() = default;

void CImageEditWnd::AttachDocument(CStippleboxData* document)
{
    m_document = document;
    m_layerCache.SetDocument(document);
    MakeBackup(true);
    m_layerCache.Rebuild();
    RebuildSelectionFrame();
    RestartFrameTimer();
}

CSize CImageEditWnd::GetImageSize() const
{
    return m_document != nullptr ? m_document->GetCanvasSize() : CSize{};
}

void CImageEditWnd::SetGridShown(bool shown)
{
    m_gridShown = shown;
    RepaintAll(true);
}

void CImageEditWnd::SetGrid(const SImageGrid& grid)
{
    m_grid = grid;
    RepaintAll(true);
}

void CImageEditWnd::MakeBackup(bool copy)
{
    const CSize size = GetImageSize();
    m_backup.assign(size_t(size.cx) * size_t(size.cy), 0);
    if (copy) {
        RefreshBackup();
    }
}

void CImageEditWnd::RefreshBackup()
{
    const CSize size = GetImageSize();
    CopyRect({0, 0, size.cx, size.cy}, true);
}

void CImageEditWnd::UpdateBackup(const CRect& rect)
{
    CopyRect(rect, true);
}

void CImageEditWnd::RestoreFromBackup(const CRect& rect)
{
    CopyRect(rect, false);
}

void CImageEditWnd::CopyRect(const CRect& rect, bool toBackup)
{
    CRect area = rect;
    if (m_document == nullptr || !ClipRect(area, true, false)) {
        return;
    }
    uint8_t* layer = m_document->GetCurrentLayer()->GetPixels();
    const int stride = m_document->GetWidth();
    for (int y = area.top; y < area.bottom; ++y) {
        const size_t offset = size_t(y) * stride + area.left;
        if (toBackup) {
            std::memcpy(m_backup.data() + offset, layer + offset, size_t(area.Width()));
        } else {
            std::memcpy(layer + offset, m_backup.data() + offset, size_t(area.Width()));
        }
    }
}

void CImageEditWnd::RemapIndices(const std::array<uint8_t, 256>& table)
{
    RemapLayerIndices(*m_document->GetLayers(), table);
    m_layerCache.Rebuild();
    RefreshBackup();
}

bool CImageEditWnd::HasSelection() const
{
    return m_document != nullptr && m_document->GetCurrentLayer()->GetSelection().HasMask();
}

bool CImageEditWnd::ClipToEditArea(CRect& rect, bool toImage, bool toView, bool toSelection) const
{
    if (!ClipRect(rect, toImage, toView)) {
        return false;
    }
    return !toSelection || !HasSelection() || m_document->GetCurrentLayer()->GetSelection().Intersect(rect);
}

CLayerPainter CImageEditWnd::MakePainter()
{
    return CLayerPainter(*m_document->GetCurrentLayer(), *m_document->GetCurrentPalette(), m_penNib, m_tone,
                         m_document->GetDrawingColor());
}

void CImageEditWnd::StampNib(int x, int y)
{
    MakePainter().StampNib(x, y);
}

CRect CImageEditWnd::FillRectangle(const CRect& rect, bool redraw)
{
    const CRect area = MakePainter().FillRectangle(rect);
    if (redraw) {
        Refresh(area, true, true, false, false);
    }
    return area;
}

void CImageEditWnd::FillEllipse(int x0, int y0, int x1, int y1)
{
    MakePainter().FillEllipse(x0, y0, x1, y1);
}

CRect CImageEditWnd::FloodFill(int x, int y, bool redraw)
{
    const CRect painted = MakePainter().FloodFill(x, y, m_layerCache.GetPixels(), m_fillStyle, &m_fillMask);
    if (redraw) {
        Refresh(painted, true, true, false, false);
    }
    return painted;
}

CRect CImageEditWnd::PaintMask(const CRect& rect, bool redraw, const uint8_t* mask, const CRect& maskRect)
{
    const CRect area = MakePainter().PaintMask(rect, mask, maskRect);
    if (redraw) {
        Refresh(area, true, true, false, false);
    }
    return area;
}

void CImageEditWnd::DrawShape(CShape& shape, CShapePen& pen, int x0, int y0, int x1, int y1, bool redraw,
                              CRect& dirty, bool replace)
{
    CRect shapeRect;
    if (replace) {
        const CRect previous = dirty;
        CRect restore = dirty;
        if (ClipToEditArea(restore, true, false, true)) {
            RestoreFromBackup(restore);
        }
        shape.Draw(pen, x0, y0, x1, y1, &shapeRect);
        dirty = shapeRect;
        if (redraw) {
            CRect changed;
            changed.UnionRect(previous, shapeRect);
            Refresh(changed, true, true, false, false);
        }
        return;
    }
    shape.Draw(pen, x0, y0, x1, y1, &shapeRect);
    if (!ClipToEditArea(shapeRect, true, false, true)) {
        return;
    }
    dirty.UnionRect(dirty, shapeRect);
    if (redraw) {
        Refresh(shapeRect, true, true, false, false);
    }
}

void CImageEditWnd::Refresh(CRect rect, bool present, bool currentLayerChanged, bool redrawGrid,
                            bool otherLayersChanged)
{
    if (m_document == nullptr || !ClipRect(rect, true, false)) {
        return;
    }
    if (otherLayersChanged) {
        m_layerCache.UpdateFrontBack(rect.left, rect.top, rect.Width(), rect.Height());
    }
    if (currentLayerChanged || otherLayersChanged) {
        m_layerCache.UpdateComposite(rect.left, rect.top, rect.Width(), rect.Height());
        if (m_follower != nullptr) {
            m_follower->OnCanvasRefreshed(rect, currentLayerChanged, otherLayersChanged);
        }
    }
    if (!GetBackBuffer() || !ClipRect(rect, false, true)) {
        return;
    }
    PaintPictureRect(rect, redrawGrid ? EGridLines::kRedraw : EGridLines::kKeep);
    PaintSelectorPoints(rect);
    // The picture leaves the pixel grid's lines alone; without them the
    // interval grid's dashes lie on the picture and come back every time.
    if (redrawGrid || !m_grid.DrawsPixelGrid(GetZoom())) {
        PaintIntervalGrid(rect);
    }
    PaintSelectionFrame(rect);
    if (present) {
        Present(ImageToScreen(rect));
    }
}

void CImageEditWnd::RepaintAll(bool present)
{
    if (m_follower != nullptr) {
        m_follower->OnCanvasRepainted();
    }
    if (!GetBackBuffer()) {
        return;
    }
    const CSize image = GetImageSize();
    CRect visible{0, 0, image.cx, image.cy};
    const bool anyVisible = m_document != nullptr && ClipRect(visible, true, true);
    if (anyVisible) {
        PaintPictureRect(visible, EGridLines::kRedraw);
        PaintSelectorPoints(visible);
    }
    FillOutsideImage();
    if (anyVisible) {
        PaintIntervalGrid(visible);
        PaintSelectionFrame(visible);
    }
    if (present) {
        const CSize client = GetClientSize();
        Present({0, 0, client.cx, client.cy});
    }
}

void CImageEditWnd::SetShownPalette(const CStippleboxPalette* palette)
{
    m_shownPalette = palette;
}

const CStippleboxPalette& CImageEditWnd::GetShownPalette() const
{
    return m_shownPalette != nullptr ? *m_shownPalette : *m_document->GetCurrentPalette();
}

SCanvasLayout CImageEditWnd::GetLayout() const
{
    return {GetZoom(), GetScrollPosition(), m_gridShown && m_grid.DrawsPixelGrid(GetZoom())};
}

void CImageEditWnd::PaintPictureRect(const CRect& rect, EGridLines gridLines)
{
    const uint8_t* displayed = m_layerCache.GetPixels();
    const int stride = m_layerCache.GetWidth();
    const CStippleboxPalette& palette = GetShownPalette();
    const CStippleboxLayerPtrArray& layers = *m_document->GetLayers();
    const int behindIndex = layers.GetCurrentIndex() + 1;
    if (m_document->IsOnionSkin() && behindIndex < layers.GetSize()) {
        const COnionSkinColors onion(palette, m_document->GetBackgroundColor());
        const uint8_t* behind = layers[behindIndex]->GetPixels();
        PaintPicture(BackBuffer(), GetLayout(), rect, [&](int y, int left, int count, DisplayPixel* out) {
            const size_t offset = size_t(y) * stride + left;
            onion.ConvertRow(displayed + offset, behind + offset, count, out);
        }, gridLines);
        return;
    }
    const DisplayPixel* colors = palette.GetDisplayPixels();
    PaintPicture(BackBuffer(), GetLayout(), rect, [&](int y, int left, int count, DisplayPixel* out) {
        ConvertIndicesToColors(colors, displayed + size_t(y) * stride + left, count, out);
    }, gridLines);
}

void CImageEditWnd::PaintSelectorPoints(const CRect& rect)
{
    const uint8_t* displayed = m_layerCache.GetPixels();
    const CStippleboxPalette& palette = GetShownPalette();
    const SCanvasLayout layout = GetLayout();
    for (const CPoint& point : m_selector.GetPoints()) {
        if (!rect.PtInRect(point)) {
            continue;
        }
        // Each channel turned half way round, so the point shows on any colour.
        const SPaletteColor& under = palette.GetColor(displayed[size_t(point.y) * m_layerCache.GetWidth() + point.x]);
        const SPaletteColor contrast{uint8_t(under.blue + 128), uint8_t(under.green + 128), uint8_t(under.red + 128)};
        PaintPixelBlock(BackBuffer(), layout, point, contrast.ToDisplayPixel());
    }
}

void CImageEditWnd::PaintIntervalGrid(const CRect& rect)
{
    static const CDashPattern pattern = MakeDashPattern(kDisplayBlack, kDisplayWhite, 3);
    if (m_gridShown && m_grid.DrawsIntervalGrid(GetZoom())) {
        ::PaintIntervalGrid(BackBuffer(), GetLayout(), rect, m_grid.interval, pattern);
    }
}

void CImageEditWnd::PaintSelectionFrame(const CRect& rect)
{
    if (!HasSelection() || m_selectionFrame.IsEmpty()) {
        return;
    }
    const CStippleboxImageSelection& selection = m_document->GetCurrentLayer()->GetSelection();
    const CPoint topLeft = selection.GetRect().TopLeft();
    CRect cells = rect;
    cells.OffsetRect(-topLeft.x, -topLeft.y);
    const CMouseTool* tool = GetTool();
    const bool dragging = tool != nullptr && tool->IsCapturing() && tool->GetCaptureMode() == kSelectionDragCapture;
    DrawSelectionFrame(BackBuffer(), m_selectionFrame, SFrameGeometry::ForCanvas(topLeft, GetScrollPosition(), GetZoom()),
                       cells, dragging ? GetActiveFramePattern() : GetNormalFramePattern(), m_framePhase);
}

void CImageEditWnd::RebuildSelectionFrame()
{
    if (!HasSelection()) {
        m_selectionFrame.Clear();
        return;
    }
    const CStippleboxImageSelection& selection = m_document->GetCurrentLayer()->GetSelection();
    m_selectionFrame.Build(selection.GetMask().data(), selection.GetWidth(), selection.GetHeight(), true);
}

void CImageEditWnd::RestartFrameTimer()
{
    SetTimer(kFrameTimerId, kFrameTimerMilliseconds);
}

void CImageEditWnd::OnTimer(int id)
{
    if (id != kFrameTimerId) {
        CImageWnd::OnTimer(id);
        return;
    }
    if (!HasSelection()) {
        KillTimer(kFrameTimerId);
        return;
    }
    CRect rect = m_document->GetCurrentLayer()->GetSelection().GetRect();
    if (!GetBackBuffer() || !ClipRect(rect, true, true)) {
        return;
    }
    --m_framePhase;
    // Drawn over the outline it replaces; the picture beneath stays as it is.
    PaintSelectionFrame(rect);
    Present(ImageToScreen(rect));
}
