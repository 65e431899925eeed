#include "palette/color_list_tools.h"

#include <algorithm>

#include "bars/command_ids.h"
#include "commands/color_compress_data.h"
#include "commands/command_color.h"
#include "commands/command_color_selection.h"
#include "commands/main_dialog.h"
#include "model/palette_order.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_palette.h"
#include "palette/color_list_edit_wnd.h"
#include "tools/tool_options.h"
#include "views/image_edit_wnd.h"

namespace {

constexpr int16_t kGestureCapture = 1;

// The drag options: what a drag in the grid does with the colours.
enum EDragOption { kDragNothing = 0, kDragCopy = 1, kDragSwap = 2, kDragInsert = 3 };

std::unique_ptr<CStippleboxPalette> CopyOf(const CStippleboxPalette& palette)
{
    auto copy = std::make_unique<CStippleboxPalette>();
    copy->CreateLike(palette, -1, false);
    copy->CopyAll(palette);
    return copy;
}

}  // namespace

CColorListEditWnd& CColorListTool::List() const
{
    return static_cast<CColorListEditWnd&>(*GetWindow());
}

CColorListEditTool::~CColorListEditTool()
{
    EndKeptLook();
}

SToolOptions& CColorListEditTool::Options()
{
    return GetMainDialog()->GetToolOptions();
}

bool CColorListEditTool::Execute(std::unique_ptr<CCommand> command)
{
    return GetMainDialog()->ExecuteCommand(std::move(command));
}

void CColorListEditTool::KeepPictureLook()
{
    m_keptLook = CopyOf(*GetCurrentPalette());
    GetImageEditWnd()->SetShownPalette(m_keptLook.get());
}

void CColorListEditTool::EndKeptLook()
{
    if (m_keptLook) {
        GetImageEditWnd()->SetShownPalette(nullptr);
        m_keptLook.reset();
    }
}

void CColorListEditTool::RefreshPreview(bool resetList) const
{
    GetMainDialog()->OnPaletteChanged(m_keptLook == nullptr, true, true, resetList);
}

CColorListEditToolNormal::CColorListEditToolNormal() = default;
CColorListEditToolNormal::~CColorListEditToolNormal() = default;

void CColorListEditToolNormal::OnButtonDown(unsigned, int x, int y)
{
    const int entry = List().HitTest({x, y});
    if (entry < 0 || entry >= GetCurrentPalette()->GetCount() || IsCapturing()) {
        return;
    }
    GetMainDialog()->SetColorIndex(List().GetOwner().GetEditedColor(), uint8_t(entry));
    m_start = m_current = entry;
    m_dragging = false;
    m_option = Options().paletteDragOption;
    m_keepLook = Options().keepLook;
    if (m_option != kDragNothing) {
        m_saved = CopyOf(*GetCurrentPalette());
    }
    BeginCapture(kGestureCapture);
}

void CColorListEditToolNormal::OnMouseMove(unsigned, int x, int y)
{
    if (!IsCapturing()) {
        return;
    }
    int entry = List().HitTest({x, y});
    if (entry >= GetCurrentPalette()->GetCount()) {
        entry = -1;
    }
    if (!m_dragging) {
        if (entry == m_start) {
            return;
        }
        m_dragging = true;
        if (m_keepLook && (m_option == kDragSwap || m_option == kDragInsert)) {
            KeepPictureLook();
        }
    }
    if (entry != m_current) {
        m_current = entry;
        Preview();
    }
}

void CColorListEditToolNormal::OnButtonUp(unsigned flags, int x, int y)
{
    OnMouseMove(flags, x, y);
    CColorListEditTool::OnButtonUp(flags, x, y);
}

void CColorListEditToolNormal::Preview()
{
    if (!m_saved) {
        return;
    }
    // Every preview starts again from the palette as it was, so moving on
    // takes back what the previous target showed.
    CStippleboxPalette& palette = *GetCurrentPalette();
    palette.CopyAll(*m_saved);
    if (m_current >= 0) {
        switch (m_option) {
        case kDragCopy:
            palette.CopyEntry(m_current, *m_saved, m_start);
            break;
        case kDragSwap:
            palette.CopyEntry(m_current, *m_saved, m_start);
            palette.CopyEntry(m_start, *m_saved, m_current);
            break;
        default:
            ReorderEntries(palette, MakeMoveOrder(m_start, m_current));
            break;
        }
    }
    RefreshPreview(false);
}

void CColorListEditToolNormal::OnCaptureLost(CWnd*)
{
    EndKeptLook();
    std::unique_ptr<CCommand> command = MakeCommand();
    if (command) {
        Execute(std::move(command));
    } else if (m_dragging && m_saved) {
        GetCurrentPalette()->CopyAll(*m_saved);
        RefreshPreview(false);
    }
    m_saved.reset();
    if (!m_dragging) {
        List().GetOwner().OnColorPicked();
    }
}

std::unique_ptr<CCommand> CColorListEditToolNormal::MakeCommand() const
{
    if (!m_dragging || !m_saved || m_current < 0 || m_current == m_start) {
        return nullptr;
    }
    switch (m_option) {
    case kDragCopy: {
        auto before = std::make_unique<CStippleboxPalette>();
        before->Create(1, false);
        before->CopyEntry(0, *m_saved, m_current);
        return std::make_unique<CCommandColorCopy>(m_current, m_start, std::move(before));
    }
    case kDragSwap:
        return std::make_unique<CCommandColorSwap>(m_current, m_start, m_keepLook);
    default:
        return std::make_unique<CCommandColorInsert>(m_current, m_start, m_keepLook);
    }
}

void CColorListEditToolMask::OnButtonDown(unsigned, int x, int y)
{
    CStippleboxPalette& palette = *GetCurrentPalette();
    const int entry = List().HitTest({x, y});
    if (entry < 0 || entry >= palette.GetCount() || IsCapturing()) {
        return;
    }
    m_state = !palette.IsMasked(entry);
    palette.SetMasked(entry, m_state);
    m_last = entry;
    List().RedrawEntry(entry);
    BeginCapture(kGestureCapture);
}

void CColorListEditToolMask::OnMouseMove(unsigned, int x, int y)
{
    CStippleboxPalette& palette = *GetCurrentPalette();
    const int entry = List().HitTestClamped({x, y});
    if (!IsCapturing() || entry == m_last || entry >= palette.GetCount()) {
        return;
    }
    m_last = entry;
    if (palette.IsMasked(entry) != m_state) {
        palette.SetMasked(entry, m_state);
        List().RedrawEntry(entry);
    }
}

CColorListEditToolSelect::CColorListEditToolSelect() = default;
CColorListEditToolSelect::~CColorListEditToolSelect() = default;

void CColorListEditToolSelect::OnButtonDown(unsigned, int x, int y)
{
    if (IsCapturing()) {
        return;
    }
    const CStippleboxColorSelection& selection = *GetCurrentColorSelection();
    int entry = List().HitTest({x, y});
    if (entry >= GetCurrentPalette()->GetCount()) {
        entry = -1;
    }
    m_dragging = false;
    if (!selection.HasMask()) {
        if (entry < 0) {
            return;
        }
        m_mode = kSelect;
        m_start = m_current = entry;
    } else if (entry < 0 || selection.GetMask()[entry] == 0) {
        Execute(std::make_unique<CCommandColorSelectionCancel>());
        return;
    } else {
        m_mode = EMode(Options().paletteDragOption + kMove);
        m_keepLook = Options().keepLook && (m_mode == kSwap || m_mode == kInsert);
        m_startPoint = {x, y};
        m_offset = 0;
        if (m_mode == kCopy) {
            m_selectedColors = std::make_unique<CColorCompressData>();
            m_selectedColors->Store(*selection.GetPalette());
        }
        m_move.Begin();
        if (m_mode == kCopy) {
            m_move.Lift();
        }
        if (m_keepLook) {
            KeepPictureLook();
        }
    }
    BeginCapture(CColorListEditWnd::kOutlineDragCapture);
    if (m_mode != kSelect) {
        List().RedrawAll();
    }
}

void CColorListEditToolSelect::OnMouseMove(unsigned, int x, int y)
{
    if (!IsCapturing()) {
        return;
    }
    if (m_mode != kSelect) {
        const int offset = List().HitTestOffset({x, y}) - List().HitTestOffset(m_startPoint);
        if (offset != m_offset) {
            m_offset = offset;
            Preview(offset);
        }
        return;
    }
    const int entry = std::min(List().HitTestClamped({x, y}), GetCurrentPalette()->GetCount() - 1);
    if (!m_dragging && entry == m_start) {
        return;
    }
    if (m_dragging && entry == m_current) {
        return;
    }
    m_dragging = true;
    m_current = entry;
    m_workMask.assign(CStippleboxColorSelection::kMaskSize, 0);
    MarkEntries(m_workMask, m_start, m_current);
    List().ShowOutline(m_workMask.data());
}

void CColorListEditToolSelect::OnButtonUp(unsigned flags, int x, int y)
{
    OnMouseMove(flags, x, y);
    CColorListEditTool::OnButtonUp(flags, x, y);
}

void CColorListEditToolSelect::Preview(int offset)
{
    switch (m_mode) {
    case kSwap:
        m_move.PreviewSwap(offset);
        break;
    case kInsert:
        m_move.PreviewInsert(offset);
        break;
    default:
        m_move.PreviewMove(offset);
        break;
    }
    RefreshPreview(true);
}

void CColorListEditToolSelect::OnCaptureLost(CWnd*)
{
    std::unique_ptr<CCommand> command;
    if (m_mode == kSelect && m_dragging) {
        command = std::make_unique<CCommandColorSelectionNew>(std::move(m_workMask));
    } else if (m_mode != kSelect && m_mode != kIdle) {
        command = MakeDragCommand();
        m_move.Clear();
    }
    EndKeptLook();
    const EMode mode = m_mode;
    m_mode = kIdle;
    if (command) {
        Execute(std::move(command));
    } else if (mode == kSelect) {
        List().ResetSelection();
    }
}

std::unique_ptr<CCommand> CColorListEditToolSelect::MakeDragCommand()
{
    switch (m_mode) {
    case kCopy:
        return std::make_unique<CCommandColorSelectionCopyDrag>(m_offset, std::move(m_selectedColors));
    case kSwap:
    case kInsert:
        // The picture is renumbered now, so that the canvas keeps its look
        // the moment the kept look ends.
        if (m_keepLook && m_offset != 0) {
            GetImageEditWnd()->RemapIndices(m_mode == kSwap ? m_move.SwapMap(m_offset) : m_move.InsertMap(m_offset));
        }
        if (m_mode == kSwap) {
            return std::make_unique<CCommandColorSelectionSwap>(m_offset, m_keepLook);
        }
        return std::make_unique<CCommandColorSelectionInsert>(m_offset, m_keepLook);
    default:
        return std::make_unique<CCommandColorSelectionMoveDrag>(m_offset);
    }
}

void CColorListEditToolSelectLine::MarkEntries(std::vector<uint8_t>& mask, int start, int current) const
{
    std::fill(mask.begin() + std::min(start, current), mask.begin() + std::max(start, current) + 1, uint8_t(1));
}

void CColorListEditToolSelectRect::MarkEntries(std::vector<uint8_t>& mask, int start, int current) const
{
    constexpr int kColumns = CColorListEditWnd::kColumns;
    const int count = GetCurrentPalette()->GetCount();
    for (int row = std::min(start, current) / kColumns; row <= std::max(start, current) / kColumns; ++row) {
        const int first = std::min(start % kColumns, current % kColumns);
        const int last = std::max(start % kColumns, current % kColumns);
        for (int column = first; column <= last; ++column) {
            if (column + kColumns * row < count) {
                mask[column + kColumns * row] = 1;
            }
        }
    }
}

std::unique_ptr<CColorListTool> CreateColorListTool(unsigned id)
{
    switch (id) {
    case kCmdPaletteToolMask:
        return std::make_unique<CColorListEditToolMask>();
    case kCmdPaletteToolSelectLine:
        return std::make_unique<CColorListEditToolSelectLine>();
    case kCmdPaletteToolSelectRect:
        return std::make_unique<CColorListEditToolSelectRect>();
    default:
        return std::make_unique<CColorListEditToolNormal>();
    }
}
