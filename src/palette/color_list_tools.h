#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/color_selection_move.h"
#include "model/stipplebox_accessor.h"
#include "views/mouse_tool.h"

class CColorCompressData;
class CColorListEditWnd;
class CCommand;
class CStippleboxPalette;
struct SToolOptions;

// The palette grid's pointer tools. A gesture ends in OnCaptureLost, after
// the pen is lifted or when another window takes the pointer.
class CColorListTool : public CMouseTool {
protected:
    CColorListEditWnd& List() const;
};

// Shared by the tools that edit the document through the grid.
class CColorListEditTool : public CColorListTool, public CStippleboxAccessor {
public:
    ~CColorListEditTool() override;

protected:
    static SToolOptions& Options();
    static bool Execute(std::unique_ptr<CCommand> command);
    // While a drag reorders entries with keep-look, the canvas shows the
    // picture through the palette as it was: the look the picture keeps once
    // it is renumbered at the end of the drag.
    void KeepPictureLook();
    void EndKeptLook();
    // The palette changed under a drag: the grid and the bars follow, and
    // the canvas too unless it keeps the picture's look.
    void RefreshPreview(bool resetList) const;

private:
    std::unique_ptr<CStippleboxPalette> m_keptLook;
};

// Picks the colour the palette window edits; with a drag option, a drag from
// the picked entry onto another copies, swaps or moves it there, previewed
// live.
class CColorListEditToolNormal final : public CColorListEditTool {
public:
    CColorListEditToolNormal();
    ~CColorListEditToolNormal() override;
    void OnButtonDown(unsigned flags, int x, int y) override;
    void OnButtonUp(unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned flags, int x, int y) override;
    void OnCaptureLost(CWnd* newOwner) override;

private:
    void Preview();
    std::unique_ptr<CCommand> MakeCommand() const;

    int m_start = -1;
    int m_current = -1;
    int m_option = 0;
    bool m_keepLook = false;
    bool m_dragging = false;
    // The palette as it was at pen-down: previews start from it.
    std::unique_ptr<CStippleboxPalette> m_saved;
};

// Paints the colour mask: the pressed entry flips, and every entry the pen
// then reaches takes the same state. Not undoable, as the mask is a drawing
// aid.
class CColorListEditToolMask final : public CColorListEditTool {
public:
    void OnButtonDown(unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned flags, int x, int y) override;
    void OnCaptureLost(CWnd*) override {}

private:
    int m_last = -1;
    bool m_state = false;
};

// Selects entries by dragging across them; pressing a selected entry drags
// the selection to move, copy, swap or insert its colours; pressing anywhere
// else drops the selection.
class CColorListEditToolSelect : public CColorListEditTool {
public:
    CColorListEditToolSelect();
    ~CColorListEditToolSelect() override;
    void OnButtonDown(unsigned flags, int x, int y) override;
    void OnButtonUp(unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned flags, int x, int y) override;
    void OnCaptureLost(CWnd* newOwner) override;

protected:
    // Marks the entries a drag from start to current selects.
    virtual void MarkEntries(std::vector<uint8_t>& mask, int start, int current) const = 0;

private:
    enum EMode { kIdle = 0, kSelect = 1, kMove = 2, kCopy = 3, kSwap = 4, kInsert = 5 };
    void Preview(int offset);
    std::unique_ptr<CCommand> MakeDragCommand();

    EMode m_mode = kIdle;
    int m_start = -1;
    int m_current = -1;
    bool m_dragging = false;
    CPoint m_startPoint;
    int m_offset = 0;
    bool m_keepLook = false;
    std::vector<uint8_t> m_workMask;
    CColorSelectionMove m_move;
    // The selected colours as they were before a copy lifted them.
    std::unique_ptr<CColorCompressData> m_selectedColors;
};

// Every entry from the lower to the higher of the two.
class CColorListEditToolSelectLine final : public CColorListEditToolSelect {
protected:
    void MarkEntries(std::vector<uint8_t>& mask, int start, int current) const override;
};

// The rectangle of cells between the two.
class CColorListEditToolSelectRect final : public CColorListEditToolSelect {
protected:
    void MarkEntries(std::vector<uint8_t>& mask, int start, int current) const override;
};

// The tool of a palette window tool command (32931–32934); the normal tool
// for any other.
std::unique_ptr<CColorListTool> CreateColorListTool(unsigned id);
