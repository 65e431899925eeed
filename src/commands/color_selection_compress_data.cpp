#include "commands/color_selection_compress_data.h"

#include <span>
#include <vector>

#include "commands/compress_data.h"
#include "commands/palette_block.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_palette.h"

CColorSelectionCompressData::CColorSelectionCompressData() = default;
CColorSelectionCompressData::~CColorSelectionCompressData() = default;

void CColorSelectionCompressData::Store(const CStippleboxColorSelection& selection)
{
    if (!selection.HasMask()) {
        return;
    }
    std::vector<uint8_t> block(selection.GetMask());
    AppendPaletteBlock(block, *selection.GetPalette());
    m_data = std::make_unique<CCompressData>();
    m_data->Compress(block);
}

void CColorSelectionCompressData::Restore(CStippleboxColorSelection& selection)
{
    selection.Clear();
    if (!m_data) {
        return;
    }
    const std::vector<uint8_t> block = m_data->Decompress();
    m_data.reset();
    if (block.size() < size_t(CStippleboxColorSelection::kMaskSize)) {
        return;
    }
    const auto mask = std::span(block).first(CStippleboxColorSelection::kMaskSize);
    if (!selection.SetMask({mask.begin(), mask.end()}) || !selection.HasMask()) {
        return;
    }
    const auto entries = std::span(block).subspan(CStippleboxColorSelection::kMaskSize);
    ReadPaletteBlock(entries, selection.GetCount(), *selection.GetPalette());
}

int CColorSelectionCompressData::GetDataSize(bool includeSelf) const
{
    return (includeSelf ? kSelfSize : 0) + (m_data ? m_data->GetDataSize(true) : 0);
}
