#include "commands/command_color.h"

#include <utility>

#include "commands/main_dialog.h"
#include "model/palette_order.h"
#include "model/stipplebox_data.h"
#include "views/image_edit_wnd.h"

namespace {

// The picture's colours moved: the palette window and the whole canvas follow.
void RefreshPalette()
{
    CStippleboxAccessor::GetMainDialog()->OnPaletteChanged(true, true, true, false);
}

}  // namespace

void CCommandColor::MakeDrawingColor(int entry)
{
    GetMainDialog()->SetColorIndex(IMainDialog::kDrawingColor, uint8_t(entry));
}

CCommandColorCopy::CCommandColorCopy(int destination, int source, std::unique_ptr<CStippleboxPalette> before)
    : m_source(uint8_t(source)), m_destination(uint8_t(destination)), m_before(std::move(before))
{
}

CCommandColorCopy::~CCommandColorCopy() = default;

bool CCommandColorCopy::Execute()
{
    MakeDrawingColor(m_destination);
    GetMainDialog()->OnPaletteChanged(false, true, true, false);
    return true;
}

void CCommandColorCopy::Undo()
{
    GetCurrentPalette()->CopyEntry(m_destination, *m_before, 0);
    m_before.reset();
    GetMainDialog()->OnPaletteEntryChanged(m_destination, true, true);
}

void CCommandColorCopy::Redo()
{
    CStippleboxPalette& palette = *GetCurrentPalette();
    m_before = std::make_unique<CStippleboxPalette>();
    m_before->Create(1, false);
    m_before->CopyEntry(0, palette, m_destination);
    palette.CopyEntry(m_destination, palette, m_source);
    GetMainDialog()->OnPaletteEntryChanged(m_destination, true, true);
}

int CCommandColorCopy::GetDataSize() const
{
    return 16 + (m_before ? m_before->GetDataSize() : 0);
}

std::string CCommandColorCopy::GetTitle() const
{
    return "色のコピー";
}

CCommandColorDragChange::CCommandColorDragChange(int entry, SPaletteColor color, const std::array<uint16_t, 3>& triple,
                                                 uint8_t colorSpaceId)
    : m_entry(uint8_t(entry)), m_color(color), m_triple(triple), m_colorSpaceId(colorSpaceId)
{
}

bool CCommandColorDragChange::Execute()
{
    return true;
}

void CCommandColorDragChange::Undo()
{
    if (GetData()->GetDrawingColor() != m_entry) {
        MakeDrawingColor(m_entry);
    }
    CStippleboxPalette& palette = *GetCurrentPalette();
    const SPaletteColor color = palette.GetColor(m_entry);
    const std::array<uint16_t, 3> triple = palette.GetTriple(m_entry);
    const uint8_t colorSpaceId = palette.GetColorSpaceID(m_entry);
    palette.SetColor(m_entry, m_color);
    palette.SetTriple(m_entry, m_triple);
    palette.SetColorSpaceID(m_entry, m_colorSpaceId);
    m_color = color;
    m_triple = triple;
    m_colorSpaceId = colorSpaceId;
    GetMainDialog()->OnPaletteEntryChanged(m_entry, true, true);
}

void CCommandColorDragChange::Redo()
{
    Undo();
}

int CCommandColorDragChange::GetDataSize() const
{
    return 20;
}

std::string CCommandColorDragChange::GetTitle() const
{
    return "色の変更";
}

CCommandColorSwap::CCommandColorSwap(int target, int start, bool keepLook)
    : m_keepLook(keepLook), m_a(uint8_t(target)), m_b(uint8_t(start))
{
}

bool CCommandColorSwap::Execute()
{
    RemapPicture();
    RefreshPalette();
    MakeDrawingColor(m_a);
    return true;
}

void CCommandColorSwap::Undo()
{
    CStippleboxPalette& palette = *GetCurrentPalette();
    palette.SwapEntries(m_a, palette, m_b);
    Execute();
}

void CCommandColorSwap::Redo()
{
    Undo();
}

void CCommandColorSwap::RemapPicture() const
{
    if (m_keepLook) {
        GetImageEditWnd()->RemapIndices(MakeSwapMap(m_a, m_b));
    }
}

int CCommandColorSwap::GetDataSize() const
{
    return 12;
}

std::string CCommandColorSwap::GetTitle() const
{
    return "色の交換";
}

CCommandColorInsert::CCommandColorInsert(int target, int start, bool keepLook)
    : m_keepLook(keepLook), m_from(uint8_t(start)), m_to(uint8_t(target))
{
}

bool CCommandColorInsert::Execute()
{
    MakeDrawingColor(m_to);
    FinishMove();
    return true;
}

void CCommandColorInsert::Undo()
{
    ReorderEntries(*GetCurrentPalette(), MakeMoveOrder(m_from, m_to));
    FinishMove();
}

void CCommandColorInsert::Redo()
{
    Undo();
}

void CCommandColorInsert::FinishMove()
{
    if (m_keepLook) {
        GetImageEditWnd()->RemapIndices(InvertOrder(MakeMoveOrder(m_from, m_to)));
    }
    RefreshPalette();
    std::swap(m_from, m_to);
}

int CCommandColorInsert::GetDataSize() const
{
    return 12;
}

std::string CCommandColorInsert::GetTitle() const
{
    return "色の挿入";
}
