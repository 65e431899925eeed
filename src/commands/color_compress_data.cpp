#include "commands/color_compress_data.h"

#include <vector>

#include "commands/compress_data.h"
#include "commands/palette_block.h"
#include "model/stipplebox_palette.h"

CColorCompressData::CColorCompressData() = default;
CColorCompressData::~CColorCompressData() = default;

void CColorCompressData::Store(const CStippleboxPalette& palette)
{
    std::vector<uint8_t> block;
    AppendPaletteBlock(block, palette);
    m_data = std::make_unique<CCompressData>();
    m_data->Compress(block);
}

void CColorCompressData::Restore(CStippleboxPalette& palette)
{
    if (!m_data) {
        return;
    }
    const std::vector<uint8_t> block = m_data->Decompress();
    m_data.reset();
    ReadPaletteBlock(block, int(block.size() / kPaletteBlockBytesPerEntry), palette);
}

void CColorCompressData::StoreMarked(const CStippleboxPalette& palette, const uint8_t* mask)
{
    std::vector<uint8_t> colors;
    for (int i = 0; i < CStippleboxPalette::kEntryCount && i < palette.GetCount(); ++i) {
        if (mask[i] != 0) {
            const SPaletteColor& color = palette.GetColor(i);
            colors.insert(colors.end(), {color.blue, color.green, color.red});
        }
    }
    if (colors.empty()) {
        return;
    }
    m_data = std::make_unique<CCompressData>();
    m_data->Compress(colors);
}

void CColorCompressData::RestoreMarked(CStippleboxPalette& palette, const uint8_t* mask)
{
    if (!m_data) {
        return;
    }
    const std::vector<uint8_t> colors = m_data->Decompress();
    m_data.reset();
    size_t next = 0;
    for (int i = 0; i < CStippleboxPalette::kEntryCount && i < palette.GetCount() && next + 3 <= colors.size(); ++i) {
        if (mask[i] != 0) {
            palette.SetColor(i, {colors[next], colors[next + 1], colors[next + 2]});
            next += 3;
        }
    }
}

int CColorCompressData::GetDataSize(bool includeSelf) const
{
    return (includeSelf ? kSelfSize : 0) + (m_data ? m_data->GetDataSize(true) : 0);
}
