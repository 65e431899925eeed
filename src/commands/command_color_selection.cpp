#include "commands/command_color_selection.h"

#include "commands/color_compress_data.h"
#include "commands/color_selection_compress_data.h"
#include "commands/main_dialog.h"
#include "model/color_selection_move.h"
#include "model/stipplebox_color_selection.h"
#include "views/image_edit_wnd.h"

namespace {

// The selection changed: the grid's outline follows.
void RefreshGrid()
{
    CStippleboxAccessor::GetMainDialog()->OnPaletteChanged(false, false, true, true);
}

// Colours moved: the grid, the value bars and the canvas follow.
void RefreshAll()
{
    CStippleboxAccessor::GetMainDialog()->OnPaletteChanged(true, true, true, true);
}

// Floats the selected colours by the offset from where they are now; with
// lift they are first taken from the entries (so a copy stays behind).
void MoveSelectedColors(int offset, bool lift)
{
    CColorSelectionMove move;
    move.Begin();
    if (lift) {
        move.Lift();
    }
    move.PreviewMove(offset);
}

}  // namespace

CCommandColorSelectionNew::CCommandColorSelectionNew(std::vector<uint8_t> mask) : m_mask(std::move(mask)) {}
CCommandColorSelectionNew::~CCommandColorSelectionNew() = default;

bool CCommandColorSelectionNew::Execute()
{
    CStippleboxColorSelection& selection = *GetCurrentColorSelection();
    m_other = std::make_unique<CColorSelectionCompressData>();
    m_other->Store(selection);
    // The palette of selected colours starts black, as a new pixel
    // selection starts in the background colour. A refused mask leaves the
    // selection there was.
    if (!selection.SetMask(std::move(m_mask))) {
        m_other->Restore(selection);
        SetCommandErrorMessage("範囲情報作成に失敗しました。");
        return false;
    }
    RefreshGrid();
    return true;
}

void CCommandColorSelectionNew::Undo()
{
    CStippleboxColorSelection& selection = *GetCurrentColorSelection();
    auto current = std::make_unique<CColorSelectionCompressData>();
    current->Store(selection);
    m_other->Restore(selection);
    m_other = std::move(current);
    RefreshGrid();
}

void CCommandColorSelectionNew::Redo()
{
    Undo();
}

int CCommandColorSelectionNew::GetDataSize() const
{
    return 16 + (m_other ? m_other->GetDataSize(true) : 0);
}

std::string CCommandColorSelectionNew::GetTitle() const
{
    return "範囲選択";
}

CCommandColorSelectionCancel::CCommandColorSelectionCancel() = default;
CCommandColorSelectionCancel::~CCommandColorSelectionCancel() = default;

bool CCommandColorSelectionCancel::Execute()
{
    CStippleboxColorSelection& selection = *GetCurrentColorSelection();
    if (!selection.HasMask()) {
        return false;
    }
    m_selection = std::make_unique<CColorSelectionCompressData>();
    m_selection->Store(selection);
    selection.Clear();
    RefreshGrid();
    return true;
}

void CCommandColorSelectionCancel::Undo()
{
    m_selection->Restore(*GetCurrentColorSelection());
    m_selection.reset();
    RefreshGrid();
}

void CCommandColorSelectionCancel::Redo()
{
    Execute();
}

int CCommandColorSelectionCancel::GetDataSize() const
{
    return 12 + (m_selection ? m_selection->GetDataSize(true) : 0);
}

std::string CCommandColorSelectionCancel::GetTitle() const
{
    return "範囲解除";
}

bool CCommandColorSelectionDrag::Execute()
{
    if (m_offset == 0) {
        OnDragCancelled();
        RefreshGrid();
        return false;
    }
    RefreshAll();
    return true;
}

void CCommandColorSelectionMoveDrag::Undo()
{
    MoveSelectedColors(-m_offset, false);
    RefreshAll();
}

void CCommandColorSelectionMoveDrag::Redo()
{
    MoveSelectedColors(m_offset, false);
    RefreshAll();
}

int CCommandColorSelectionMoveDrag::GetDataSize() const
{
    return 12;
}

std::string CCommandColorSelectionMoveDrag::GetTitle() const
{
    return "範囲移動";
}

CCommandColorSelectionCopyDrag::CCommandColorSelectionCopyDrag(int offset,
                                                               std::unique_ptr<CColorCompressData> selectedColors)
    : CCommandColorSelectionDrag(offset), m_selectedColors(std::move(selectedColors))
{
}

CCommandColorSelectionCopyDrag::~CCommandColorSelectionCopyDrag() = default;

void CCommandColorSelectionCopyDrag::OnDragCancelled()
{
    RestoreSelectedColors();
}

void CCommandColorSelectionCopyDrag::RestoreSelectedColors()
{
    m_selectedColors->Restore(*GetCurrentColorSelection()->GetPalette());
    m_selectedColors.reset();
}

void CCommandColorSelectionCopyDrag::Undo()
{
    MoveSelectedColors(-m_offset, false);
    RestoreSelectedColors();
    RefreshAll();
}

void CCommandColorSelectionCopyDrag::Redo()
{
    m_selectedColors = std::make_unique<CColorCompressData>();
    m_selectedColors->Store(*GetCurrentColorSelection()->GetPalette());
    MoveSelectedColors(m_offset, true);
    RefreshAll();
}

int CCommandColorSelectionCopyDrag::GetDataSize() const
{
    return 16 + (m_selectedColors ? m_selectedColors->GetDataSize(true) : 0);
}

std::string CCommandColorSelectionCopyDrag::GetTitle() const
{
    return "色範囲のコピー";
}

void CCommandColorSelectionReorder::Reorder(int offset) const
{
    CColorSelectionMove move;
    move.Begin();
    const CIndexMap renumbering = Preview(move, offset);
    if (m_keepLook) {
        GetImageEditWnd()->RemapIndices(renumbering);
    }
    RefreshAll();
}

void CCommandColorSelectionReorder::Undo()
{
    Reorder(-m_offset);
}

void CCommandColorSelectionReorder::Redo()
{
    Reorder(m_offset);
}

int CCommandColorSelectionReorder::GetDataSize() const
{
    return 16;
}

CIndexMap CCommandColorSelectionSwap::Preview(CColorSelectionMove& move, int offset) const
{
    move.PreviewSwap(offset);
    return move.SwapMap(offset);
}

std::string CCommandColorSelectionSwap::GetTitle() const
{
    return "色範囲の交換";
}

CIndexMap CCommandColorSelectionInsert::Preview(CColorSelectionMove& move, int offset) const
{
    move.PreviewInsert(offset);
    return move.InsertMap(offset);
}

std::string CCommandColorSelectionInsert::GetTitle() const
{
    return "色範囲の挿入";
}
