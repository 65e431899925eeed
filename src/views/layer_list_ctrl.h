#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/dib_section.h"
#include "model/stipplebox_accessor.h"
#include "platform/window.h"
#include "views/drag_judge.h"
#include "views/layer_thumbnail.h"

class CIconManager;

// The list of the document's layers, one row a layer in the document's
// order: thumbnail, visibility mark, link mark, name and delay. A press on
// the visibility column shows or hides layers (painted across the rows the
// pointer passes), on the link column links a layer to the current one, on
// any other column makes the layer current; dragging a row moves the current
// layer to where the insertion bar shows. Every change but visibility is a
// command, so it can be undone.
class CLayerListCtrl : public CWnd, public CStippleboxAccessor {
public:
    enum EColumn { kColumnThumbnail, kColumnVisibility, kColumnLink, kColumnName, kColumnDelay, kColumnCount };

    // What the list tells the window it lies in.
    class IListener {
    public:
        virtual ~IListener() = default;
        // A plain tap (no drag) made another layer current.
        virtual void OnCurrentLayerTapped() = 0;
        // The scroll position or range changed.
        virtual void OnListScrolled() = 0;
    };

    struct SHit {
        int row = -1;  // -1: below the last row, or outside the list
        int column = -1;
    };

    // The marks come from the icons.
    CLayerListCtrl(const CIconManager& icons, IListener* listener) : m_icons(icons), m_listener(listener) {}

    static int GetRowHeight();
    // The columns' left and right edges; the name column takes what the
    // others leave.
    std::pair<int, int> GetColumnSpan(int column) const;
    // Client rectangle of a row at the current scroll position.
    CRect GetRowRect(int row) const;
    SHit HitTest(CPoint point) const;
    // The gap between rows nearest to a client y: 0 before the first row,
    // the row count after the last.
    int GetInsertPosition(int y) const;
    int GetRowCount() const { return int(m_rows.size()); }

    // After any change of the layers: one row a layer, every thumbnail made
    // again, the current row scrolled into view, everything repainted.
    void Refresh();
    // Repaints the rows whose name, delay, marks or current state no longer
    // show what the document holds; thumbnails stay.
    void RefreshRows();
    // Makes the thumbnails of these layers again (their pixels changed).
    void RefreshThumbnails(const std::vector<int>& layers);

    int GetScrollPosition() const { return m_scrollTop; }
    int GetScrollMaximum() const;
    int GetPageHeight() const { return m_clientSize.cy; }
    // Clamps and repaints.
    void SetScrollPosition(int top);

    void OnLButtonDown(unsigned flags, CPoint point) override;
    void OnMouseMove(unsigned flags, CPoint point) override;
    void OnLButtonUp(unsigned flags, CPoint point) override;
    void OnCaptureChanged(CWnd* newOwner) override;
    void OnSize(int width, int height) override;
    const CDibSection* GetBackBuffer() const override { return m_backBuffer.IsCreated() ? &m_backBuffer : nullptr; }

    // The insertion bar's position while a drag shows one.
    std::optional<int> GetShownInsertPosition() const;

private:
    // What a row shows, to tell which rows need painting again.
    struct SRowState {
        const CStippleboxLayer* layer = nullptr;
        std::u16string name;
        int delay = 0;
        bool visible = false;
        bool shown = false;
        bool linked = false;
        bool current = false;
        friend bool operator==(const SRowState&, const SRowState&) = default;
    };
    struct SRow {
        SRowState painted;
        CLayerThumbnail thumbnail;
        const CStippleboxLayer* thumbnailLayer = nullptr;
    };
    enum class EGesture { kNone, kPaintingVisibility, kPressingRow };

    SRowState GetState(int row) const;
    // The scroll position nearest to the present one that shows the row.
    int GetScrollShowing(int row) const;
    CRect GetThumbnailBox(int row) const;
    void MakeThumbnail(int row);
    void SyncRowCount();
    void PaintRow(int row);
    // The thumbnail in its frame; the row must be on screen.
    void PaintThumbnail(int row);
    void PaintAll();
    void PresentRow(int row);
    void ApplyVisibility(int row);
    void ShowInsertBar(int position);
    void HideInsertBar();
    CRect GetInsertBarRect(int position) const;
    void EndGesture();

    const CIconManager& m_icons;
    IListener* m_listener;
    std::vector<SRow> m_rows;
    CDibSection m_backBuffer;
    CSize m_clientSize;
    int m_scrollTop = 0;

    EGesture m_gesture = EGesture::kNone;
    bool m_paintVisible = false;
    bool m_tapChangedCurrent = false;
    CDragJudge m_dragJudge;
    bool m_dragging = false;
    int m_insertPosition = -1;
};
