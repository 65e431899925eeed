#include "commands/palette_compress_data.h"

#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_palette.h"

void CPaletteCompressData::Store(const CStippleboxPalette& palette)
{
    m_name = palette.GetPaletteName();
    m_count = palette.GetCount();
    if (palette.GetColorSelection() != nullptr) {
        m_selection.Store(*palette.GetColorSelection());
    }
    m_colors.Store(palette);
}

std::unique_ptr<CStippleboxPalette> CPaletteCompressData::Restore()
{
    auto palette = std::make_unique<CStippleboxPalette>();
    palette->Create(m_count, true);
    palette->SetName(m_name);
    m_colors.Restore(*palette);
    m_selection.Restore(*palette->GetColorSelection());
    return palette;
}

int CPaletteCompressData::GetDataSize(bool includeSelf) const
{
    return int(m_name.size()) + m_colors.GetDataSize(false) + m_selection.GetDataSize(false) +
           (includeSelf ? kSelfSize : 0);
}
