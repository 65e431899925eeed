#pragma once

#include <vector>

#include "views/image_grid.h"

class IModalDialogs;

// The grid dialog: from which zoom on each grid is drawn, and the interval
// grid's spacing, typed or taken from a size preset.
class CGridDlg {
public:
    static constexpr int kMinInterval = 2;
    static constexpr int kMaxInterval = 1024;

    // zooms: the zoom factors the canvas offers, in increasing order.
    CGridDlg(const SImageGrid& grid, const std::vector<int>& zooms);

    bool DoModal(IModalDialogs& dialogs);

    // The factors a grid can start from: every zoom of 2 or more.
    const std::vector<int>& GetZoomChoices() const { return m_zoomChoices; }
    // The choice to show for a limit: its own, or the nearest above it (the
    // last when none is).
    int FindZoomChoice(int limit) const;

    const SImageGrid& GetGrid() const { return m_grid; }
    void SetPixelGridMinZoom(int zoom) { m_grid.pixelGridMinZoom = zoom; }
    void SetIntervalGridMinZoom(int zoom) { m_grid.intervalGridMinZoom = zoom; }
    // Each kept within kMinInterval..kMaxInterval.
    void SetInterval(int horizontal, int vertical);
    // Takes both intervals from the size preset at the index (the first,
    // "プリセット", has none).
    void ChoosePreset(int index);

private:
    SImageGrid m_grid;
    std::vector<int> m_zoomChoices;
};
