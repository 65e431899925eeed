#include "views/layer_list_ctrl.h"

#include <algorithm>
#include <memory>

#include "commands/command_layer_cur_change.h"
#include "commands/command_layer_link.h"
#include "commands/command_layer_order.h"
#include "bars/icon_manager.h"
#include "commands/main_dialog.h"
#include "model/bmp_dc.h"
#include "model/stipplebox_data.h"
#include "platform/text.h"
#include "platform/text_painter.h"
#include "views/display_drawing.h"
#include "views/fit_rect.h"

namespace {

constexpr DisplayPixel kWindowColor = kDisplayWhite;
constexpr DisplayPixel kCurrentFrameColor = MakeDisplayPixel(51, 153, 255);
constexpr DisplayPixel kCurrentFillColor = MakeDisplayPixel(192, 220, 252);
constexpr DisplayPixel kSeparatorColor = MakeDisplayPixel(128, 128, 128);
constexpr int kTextInset = 2;

// Column widths in units of the display scale (the marks are 16 units
// square); the name column (-1) takes the rest.
constexpr int kColumnUnits[CLayerListCtrl::kColumnCount] = {28, 18, 18, -1, 24};
constexpr int kRowUnits = 20;

// The part of a cell inside the separators at its right and bottom edges.
CRect CellInterior(const CRect& row, std::pair<int, int> span)
{
    return {span.first, row.top, span.second - 1, row.bottom - 1};
}

CRect Inflated(CRect rect, int by)
{
    return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

}  // namespace

int CLayerListCtrl::GetRowHeight()
{
    return kRowUnits * GetDisplayScale();
}

std::pair<int, int> CLayerListCtrl::GetColumnSpan(int column) const
{
    const int unit = GetDisplayScale();
    int fixed = 0;
    for (const int units : kColumnUnits) {
        fixed += std::max(units, 0) * unit;
    }
    const int nameWidth = std::max(m_clientSize.cx - fixed, 0);
    int left = 0;
    for (int i = 0; i < column; ++i) {
        left += kColumnUnits[i] < 0 ? nameWidth : kColumnUnits[i] * unit;
    }
    return {left, left + (kColumnUnits[column] < 0 ? nameWidth : kColumnUnits[column] * unit)};
}

CRect CLayerListCtrl::GetRowRect(int row) const
{
    const int top = row * GetRowHeight() - m_scrollTop;
    return {0, top, GetColumnSpan(kColumnDelay).second, top + GetRowHeight()};
}

CLayerListCtrl::SHit CLayerListCtrl::HitTest(CPoint point) const
{
    if (point.y < 0 || point.y >= m_clientSize.cy) {
        return {};
    }
    const int row = (point.y + m_scrollTop) / GetRowHeight();
    if (row >= GetRowCount()) {
        return {};
    }
    for (int column = 0; column < kColumnCount; ++column) {
        const auto [left, right] = GetColumnSpan(column);
        if (point.x >= left && point.x < right) {
            return {row, column};
        }
    }
    return {};
}

int CLayerListCtrl::GetInsertPosition(int y) const
{
    const int height = GetRowHeight();
    const int gap = y + m_scrollTop + height / 2;
    return std::clamp(gap < 0 ? -1 : gap / height, 0, GetRowCount());
}

int CLayerListCtrl::GetScrollMaximum() const
{
    return std::max(0, GetRowCount() * GetRowHeight() - m_clientSize.cy);
}

void CLayerListCtrl::SetScrollPosition(int top)
{
    top = std::clamp(top, 0, GetScrollMaximum());
    if (top == m_scrollTop) {
        return;
    }
    m_scrollTop = top;
    PaintAll();
    Present({0, 0, m_clientSize.cx, m_clientSize.cy});
    if (m_listener != nullptr) {
        m_listener->OnListScrolled();
    }
}

int CLayerListCtrl::GetScrollShowing(int row) const
{
    const int top = row * GetRowHeight();
    if (top < m_scrollTop) {
        return top;
    }
    return std::max(m_scrollTop, top + GetRowHeight() - m_clientSize.cy);
}

CLayerListCtrl::SRowState CLayerListCtrl::GetState(int row) const
{
    const CStippleboxLayerPtrArray& layers = *GetLayers();
    const CStippleboxLayer& layer = *layers[row];
    return {&layer,
            layer.GetLayerName(),
            layer.GetDelay().GetDelay(GetData()->GetDelayUnit()),
            layer.IsVisible(),
            layer.IsShown(),
            layer.IsLinkedToCurrent(),
            row == layers.GetCurrentIndex()};
}

CRect CLayerListCtrl::GetThumbnailBox(int row) const
{
    return Inflated(CellInterior(GetRowRect(row), GetColumnSpan(kColumnThumbnail)), -2);
}

void CLayerListCtrl::MakeThumbnail(int row)
{
    const CStippleboxLayer& layer = *(*GetLayers())[row];
    const CRect placed = FitImageInBox(GetCanvasSize(), GetThumbnailBox(row));
    m_rows[size_t(row)].thumbnail.Sample(layer, GetCurrentPalette()->GetDisplayPixels(),
                                         {placed.Width(), placed.Height()});
    m_rows[size_t(row)].thumbnailLayer = &layer;
}

void CLayerListCtrl::SyncRowCount()
{
    m_rows.resize(GetData() != nullptr ? size_t(GetLayers()->GetSize()) : 0);
}

void CLayerListCtrl::Refresh()
{
    SyncRowCount();
    for (int row = 0; row < GetRowCount(); ++row) {
        MakeThumbnail(row);
    }
    if (GetRowCount() > 0) {
        m_scrollTop = GetScrollShowing(GetLayers()->GetCurrentIndex());
    }
    m_scrollTop = std::clamp(m_scrollTop, 0, GetScrollMaximum());
    PaintAll();
    Present({0, 0, m_clientSize.cx, m_clientSize.cy});
    if (m_listener != nullptr) {
        m_listener->OnListScrolled();
    }
}

void CLayerListCtrl::RefreshRows()
{
    if (GetData() == nullptr || GetRowCount() != GetLayers()->GetSize()) {
        Refresh();
        return;
    }
    for (int row = 0; row < GetRowCount(); ++row) {
        const SRowState state = GetState(row);
        if (state == m_rows[size_t(row)].painted) {
            continue;
        }
        if (m_rows[size_t(row)].thumbnailLayer != state.layer) {
            MakeThumbnail(row);
        }
        PaintRow(row);
        PresentRow(row);
    }
}

void CLayerListCtrl::RefreshThumbnails(const std::vector<int>& layers)
{
    for (const int row : layers) {
        if (row < 0 || row >= GetRowCount()) {
            continue;
        }
        MakeThumbnail(row);
        // Only the picture changed: the rest of the row stays as it is.
        const CRect rect = GetRowRect(row);
        if (m_backBuffer.IsCreated() && rect.bottom > 0 && rect.top < m_clientSize.cy) {
            PaintThumbnail(row);
            Present(Inflated(GetThumbnailBox(row), 1));
        }
    }
}

void CLayerListCtrl::PaintAll()
{
    if (!m_backBuffer.IsCreated()) {
        return;
    }
    CBmpDC(m_backBuffer).FillSolidRect(m_backBuffer.GetRect(), kWindowColor);
    for (int row = 0; row < GetRowCount(); ++row) {
        PaintRow(row);
    }
}

void CLayerListCtrl::PaintRow(int row)
{
    SRow& entry = m_rows[size_t(row)];
    entry.painted = GetState(row);
    const CRect rect = GetRowRect(row);
    if (!m_backBuffer.IsCreated() || rect.bottom <= 0 || rect.top >= m_clientSize.cy) {
        return;
    }
    const SRowState& state = entry.painted;
    CBmpDC dc(m_backBuffer);
    if (state.current) {
        dc.FillSolidRect(rect, kCurrentFillColor);
        FrameDisplayRect(m_backBuffer, rect, kCurrentFrameColor);
    } else {
        dc.FillSolidRect(rect, kWindowColor);
    }
    dc.FillSolidRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, kDisplayBlack);
    dc.FillSolidRect({rect.right - 1, rect.top, rect.right, rect.bottom}, kDisplayBlack);
    for (int column = kColumnThumbnail; column < kColumnDelay; ++column) {
        const int right = GetColumnSpan(column).second;
        dc.FillSolidRect({right - 1, rect.top, right, rect.bottom - 1}, kSeparatorColor);
    }

    PaintThumbnail(row);

    const int scale = GetDisplayScale();
    if (state.visible) {
        const unsigned mark = state.shown ? CIconManager::kMarkVisible : CIconManager::kMarkVisibleElsewhere;
        m_icons.DrawIcon(m_backBuffer, mark, CellInterior(rect, GetColumnSpan(kColumnVisibility)), scale);
    }
    if (state.linked) {
        m_icons.DrawIcon(m_backBuffer, CIconManager::kMarkLinked, CellInterior(rect, GetColumnSpan(kColumnLink)),
                         scale);
    }

    ITextPainter& text = GetTextPainter();
    const auto [nameLeft, nameRight] = GetColumnSpan(kColumnName);
    text.DrawText(m_backBuffer, {nameLeft + kTextInset, rect.top, nameRight - 1 - kTextInset, rect.bottom - 1},
                  sb::Utf16ToUtf8(state.name), ETextAlign::kLeft, kDisplayBlack);
    const auto [delayLeft, delayRight] = GetColumnSpan(kColumnDelay);
    text.DrawText(m_backBuffer, {delayLeft + kTextInset, rect.top, delayRight - 1 - kTextInset, rect.bottom - 1},
                  std::to_string(state.delay), ETextAlign::kRight, kDisplayBlack);
}

void CLayerListCtrl::PaintThumbnail(int row)
{
    const CRect box = GetThumbnailBox(row);
    FrameDisplayRect(m_backBuffer, Inflated(box, 1), kDisplayBlack);
    CBmpDC(m_backBuffer).FillSolidRect(box, kDisplayWhite);
    const CLayerThumbnail& thumbnail = m_rows[size_t(row)].thumbnail;
    const CRect placed = FitImageInBox(GetCanvasSize(), box);
    for (int y = 0; y < thumbnail.GetSize().cy; ++y) {
        const int target = placed.top + y;
        if (target >= 0 && target < m_clientSize.cy) {
            std::copy_n(thumbnail.GetRow(y), thumbnail.GetSize().cx, m_backBuffer.GetDisplayRow(target) + placed.left);
        }
    }
}

void CLayerListCtrl::PresentRow(int row)
{
    Present(GetRowRect(row));
}

void CLayerListCtrl::OnSize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    m_clientSize = {width, height};
    m_backBuffer.Create(width, height, kDisplayBitCount, 0);
    m_scrollTop = std::clamp(m_scrollTop, 0, GetScrollMaximum());
    PaintAll();
    if (m_listener != nullptr) {
        m_listener->OnListScrolled();
    }
}

void CLayerListCtrl::ApplyVisibility(int row)
{
    CStippleboxLayer& layer = *(*GetLayers())[row];
    if (layer.IsVisible() == m_paintVisible) {
        return;
    }
    // Visibility is a way of looking at the layers, not an edit: it is set
    // directly and is not undone.
    layer.SetVisible(m_paintVisible);
    GetMainDialog()->OnLayersChanged(false);
    RefreshRows();
}

void CLayerListCtrl::OnLButtonDown(unsigned, CPoint point)
{
    const SHit hit = HitTest(point);
    if (hit.row < 0 || m_gesture != EGesture::kNone) {
        return;
    }
    const bool isCurrent = hit.row == GetLayers()->GetCurrentIndex();
    switch (hit.column) {
    case kColumnVisibility:
        m_paintVisible = !(*GetLayers())[hit.row]->IsVisible();
        m_gesture = EGesture::kPaintingVisibility;
        SetCapture();
        ApplyVisibility(hit.row);
        break;
    case kColumnLink:
        if (!isCurrent) {
            GetMainDialog()->ExecuteCommand(std::make_unique<CCommandLayerLink>(hit.row));
        }
        break;
    default:
        m_tapChangedCurrent = false;
        if (!isCurrent) {
            GetMainDialog()->ExecuteCommand(std::make_unique<CCommandLayerCurChange>(hit.row));
            m_tapChangedCurrent = true;
        }
        m_gesture = EGesture::kPressingRow;
        m_dragging = false;
        m_dragJudge.Start(point);
        SetCapture();
        break;
    }
}

void CLayerListCtrl::OnMouseMove(unsigned, CPoint point)
{
    if (!HasCapture()) {
        return;
    }
    if (m_gesture == EGesture::kPaintingVisibility) {
        const int row = (point.y + m_scrollTop) / GetRowHeight();
        if (point.y + m_scrollTop >= 0 && row < GetRowCount()) {
            ApplyVisibility(row);
        }
        return;
    }
    if (m_gesture != EGesture::kPressingRow) {
        return;
    }
    if (m_dragJudge.Test(point)) {
        m_dragging = true;
    }
    if (!m_dragging) {
        return;
    }
    // Past the top or bottom edge the list follows the pointer.
    const int beyond = point.y < 0 ? point.y : std::max(0, point.y - m_clientSize.cy + 1);
    if (beyond != 0) {
        HideInsertBar();
        SetScrollPosition(m_scrollTop + beyond);
    }
    ShowInsertBar(GetInsertPosition(point.y));
}

void CLayerListCtrl::OnLButtonUp(unsigned, CPoint)
{
    const bool order = m_gesture == EGesture::kPressingRow && m_dragging && m_insertPosition >= 0;
    const int position = m_insertPosition;
    const bool tapped = m_gesture == EGesture::kPressingRow && !m_dragging && m_tapChangedCurrent;
    EndGesture();
    if (order) {
        GetMainDialog()->ExecuteCommand(std::make_unique<CCommandLayerOrder>(position));
    } else if (tapped && m_listener != nullptr) {
        // Last: the window may close on it.
        m_listener->OnCurrentLayerTapped();
    }
}

void CLayerListCtrl::OnCaptureChanged(CWnd*)
{
    HideInsertBar();
    m_gesture = EGesture::kNone;
    m_dragging = false;
}

void CLayerListCtrl::EndGesture()
{
    HideInsertBar();
    m_gesture = EGesture::kNone;
    m_dragging = false;
    if (HasCapture()) {
        ReleaseCapture();
    }
}

CRect CLayerListCtrl::GetInsertBarRect(int position) const
{
    const int height = 3 * GetDisplayScale();
    const int top = position * GetRowHeight() - m_scrollTop - height / 2;
    return {0, top, m_clientSize.cx, top + height};
}

void CLayerListCtrl::ShowInsertBar(int position)
{
    if (position == m_insertPosition) {
        return;
    }
    HideInsertBar();
    m_insertPosition = position;
    InvertDisplayRect(m_backBuffer, GetInsertBarRect(position));
    Present(GetInsertBarRect(position));
}

void CLayerListCtrl::HideInsertBar()
{
    if (m_insertPosition < 0) {
        return;
    }
    const CRect bar = GetInsertBarRect(m_insertPosition);
    m_insertPosition = -1;
    InvertDisplayRect(m_backBuffer, bar);
    Present(bar);
}

std::optional<int> CLayerListCtrl::GetShownInsertPosition() const
{
    return m_insertPosition >= 0 ? std::optional<int>(m_insertPosition) : std::nullopt;
}
