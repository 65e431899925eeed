#include "commands/command_palette.h"

#include <algorithm>

#include "commands/main_dialog.h"
#include "commands/palette_compress_data.h"
#include "model/stipplebox_palette_ptr_array.h"

bool CCommandPaletteAdd::Execute()
{
    CStippleboxPalettePtrArray& palettes = *GetPalettes();
    if (palettes.GetSize() >= CStippleboxPalettePtrArray::kMaxPalettes) {
        SetCommandErrorMessage("これ以上パレットは追加できません。");
        return false;
    }
    m_previousIndex = palettes.GetCurrentIndex();
    palettes.NewPalette(palettes.GetSize())->CopyAll(*palettes.GetCurrent());
    palettes.SetCurrentIndex(palettes.GetSize() - 1);
    GetMainDialog()->OnCurrentPaletteChanged();
    return true;
}

void CCommandPaletteAdd::Undo()
{
    CStippleboxPalettePtrArray& palettes = *GetPalettes();
    // DeleteAt gives the palette's default name back, so a redo makes the same one.
    palettes.DeleteAt(palettes.GetSize() - 1);
    palettes.SetCurrentIndex(m_previousIndex);
    GetMainDialog()->OnCurrentPaletteChanged();
}

void CCommandPaletteAdd::Redo()
{
    Execute();
}

int CCommandPaletteAdd::GetDataSize() const
{
    return 12;
}

std::string CCommandPaletteAdd::GetTitle() const
{
    return "パレット追加";
}

bool CCommandPaletteCurChange::Execute()
{
    m_oldIndex = GetPalettes()->GetCurrentIndex();
    if (m_oldIndex == m_newIndex) {
        return false;
    }
    Redo();
    return true;
}

void CCommandPaletteCurChange::Undo()
{
    GetPalettes()->SetCurrentIndex(m_oldIndex);
    GetMainDialog()->OnCurrentPaletteChanged();
}

void CCommandPaletteCurChange::Redo()
{
    GetPalettes()->SetCurrentIndex(m_newIndex);
    GetMainDialog()->OnCurrentPaletteChanged();
}

int CCommandPaletteCurChange::GetDataSize() const
{
    return 16;
}

std::string CCommandPaletteCurChange::GetTitle() const
{
    return "カレントパレット変更";
}

CCommandPaletteDelete::CCommandPaletteDelete() = default;
CCommandPaletteDelete::~CCommandPaletteDelete() = default;

bool CCommandPaletteDelete::Execute()
{
    CStippleboxPalettePtrArray& palettes = *GetPalettes();
    if (palettes.GetSize() < 2) {
        return false;
    }
    m_index = palettes.GetCurrentIndex();
    m_palette = std::make_unique<CPaletteCompressData>();
    m_palette->Store(*palettes.GetCurrent());
    palettes.RemoveAt(m_index);
    palettes.SetCurrentIndex(std::clamp(m_index, 0, palettes.GetSize() - 1));
    GetMainDialog()->OnCurrentPaletteChanged();
    return true;
}

void CCommandPaletteDelete::Undo()
{
    CStippleboxPalettePtrArray& palettes = *GetPalettes();
    palettes.InsertAt(m_index, m_palette->Restore());
    m_palette.reset();
    palettes.SetCurrentIndex(m_index);
    GetMainDialog()->OnCurrentPaletteChanged();
}

void CCommandPaletteDelete::Redo()
{
    Execute();
}

int CCommandPaletteDelete::GetDataSize() const
{
    return 16 + (m_palette ? m_palette->GetDataSize(true) : 0);
}

std::string CCommandPaletteDelete::GetTitle() const
{
    return "パレット削除";
}

bool CCommandPaletteProperty::Execute()
{
    CStippleboxPalette& palette = *GetCurrentPalette();
    std::u16string name = palette.GetPaletteName();
    palette.SetName(std::move(m_name));
    m_name = std::move(name);
    return true;
}

void CCommandPaletteProperty::Undo()
{
    Execute();
}

void CCommandPaletteProperty::Redo()
{
    Execute();
}

int CCommandPaletteProperty::GetDataSize() const
{
    return 12;
}

std::string CCommandPaletteProperty::GetTitle() const
{
    return "パレットプロパティ";
}
