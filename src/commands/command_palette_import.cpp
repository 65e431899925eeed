#include "commands/command_palette_import.h"

#include "commands/main_dialog.h"
#include "formats/palette_files/palette_file_document.h"
#include "model/stipplebox_data.h"

std::string CCommandPaletteImport::GetTitle() const
{
    return "パレットの読み込み";
}

void CCommandPaletteImport::TakeTransparentEntry(int firstEntry)
{
    m_previousBackground = GetData()->GetBackgroundColor();
    if (const std::optional<uint8_t> entry = GetTransparentEntry(m_file, firstEntry)) {
        GetMainDialog()->SetColorIndex(IMainDialog::kBackgroundColor, *entry);
    }
}

void CCommandPaletteImport::RestoreBackground()
{
    GetMainDialog()->SetColorIndex(IMainDialog::kBackgroundColor, m_previousBackground);
}

int CCommandPaletteImport::GetFileDataSize() const
{
    return static_cast<int>(sizeof(*this) + m_file.colors.size() * sizeof(SPaletteColor) + m_file.name.size());
}

bool CCommandPaletteImportNew::Execute()
{
    m_previousIndex = GetPalettes()->GetCurrentIndex();
    std::string error;
    if (!AddPaletteFromFile(*GetData(), m_file, &error)) {
        SetCommandErrorMessage(error);
        return false;
    }
    TakeTransparentEntry(0);
    GetMainDialog()->OnCurrentPaletteChanged();
    return true;
}

void CCommandPaletteImportNew::Undo()
{
    CStippleboxPalettePtrArray& palettes = *GetPalettes();
    palettes.DeleteAt(palettes.GetSize() - 1);
    palettes.SetCurrentIndex(m_previousIndex);
    RestoreBackground();
    GetMainDialog()->OnCurrentPaletteChanged();
}

void CCommandPaletteImportNew::Redo()
{
    Execute();
}

int CCommandPaletteImportNew::GetDataSize() const
{
    return GetFileDataSize();
}

CCommandPaletteImportInto::CCommandPaletteImportInto(SPaletteFile file, int firstEntry)
    : CCommandPaletteImport(std::move(file)), m_firstEntry(firstEntry)
{
}

CCommandPaletteImportInto::~CCommandPaletteImportInto() = default;

bool CCommandPaletteImportInto::Execute()
{
    const std::string error = CheckPaletteFileFits(m_file, m_firstEntry);
    if (!error.empty()) {
        SetCommandErrorMessage(error);
        return false;
    }
    CStippleboxPalette& palette = *GetCurrentPalette();
    m_before = std::make_unique<CStippleboxPalette>();
    m_before->CreateLike(palette, -1, false);
    m_before->CopyAll(palette);
    PutPaletteFileColors(palette, m_file, m_firstEntry);
    TakeTransparentEntry(m_firstEntry);
    GetMainDialog()->OnPaletteChanged(true, true, true, false);
    return true;
}

void CCommandPaletteImportInto::Undo()
{
    GetCurrentPalette()->CopyAll(*m_before);
    m_before.reset();
    RestoreBackground();
    GetMainDialog()->OnPaletteChanged(true, true, true, false);
}

void CCommandPaletteImportInto::Redo()
{
    Execute();
}

int CCommandPaletteImportInto::GetDataSize() const
{
    return GetFileDataSize() + (m_before ? m_before->GetDataSize() : 0);
}
