#pragma once

#include <memory>

#include "model/geometry.h"

class CCommand;
class IModalDialogs;

// The canvas-size dialog: the new size and the anchor, a cell of a 3 × 3
// grid (row × 3 + column, 0 top-left to 8 bottom-right) that says which part
// of the picture stays in place.
class CImageResizeDlg {
public:
    static constexpr int kMinSize = 1;
    static constexpr int kMaxSize = 1024;
    static constexpr int kAnchorCount = 9;

    explicit CImageResizeDlg(CSize currentSize);

    bool DoModal(IModalDialogs& dialogs);

    CSize GetCurrentSize() const { return m_currentSize; }
    CSize GetNewSize() const { return m_newSize; }
    // Sizes are kept within kMinSize..kMaxSize.
    void SetNewSize(int width, int height);
    int GetAnchor() const { return m_anchor; }
    void SetAnchor(int anchor);

    // The command that OK makes; none when the size stays.
    std::unique_ptr<CCommand> CreateCommand() const;

private:
    CSize m_currentSize;
    CSize m_newSize;
    int m_anchor = 0;
};
