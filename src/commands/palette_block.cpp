#include "commands/palette_block.h"

#include <algorithm>
#include <cstring>

#include "model/stipplebox_palette.h"

void AppendPaletteBlock(std::vector<uint8_t>& block, const CStippleboxPalette& palette)
{
    const size_t n = size_t(palette.GetCount());
    const auto append = [&](const void* data, size_t bytes) {
        const auto* first = static_cast<const uint8_t*>(data);
        block.insert(block.end(), first, first + bytes);
    };
    block.reserve(block.size() + n * kPaletteBlockBytesPerEntry);
    append(palette.GetColorData(), n * 3);
    append(palette.GetTripleData(), n * 6);
    append(palette.GetColorSpaceIDData(), n);
    append(palette.GetMaskData(), n);
}

void ReadPaletteBlock(std::span<const uint8_t> block, int entries, CStippleboxPalette& palette)
{
    const size_t stored = std::min(size_t(std::max(entries, 0)), block.size() / kPaletteBlockBytesPerEntry);
    const size_t n = std::min(stored, size_t(palette.GetCount()));
    const uint8_t* colors = block.data();
    const uint8_t* triples = colors + stored * 3;
    const uint8_t* spaceIds = triples + stored * 6;
    const uint8_t* masks = spaceIds + stored;
    for (size_t i = 0; i < n; ++i) {
        palette.SetColor(int(i), {colors[i * 3], colors[i * 3 + 1], colors[i * 3 + 2]});
    }
    std::memcpy(palette.GetTripleData(), triples, n * 6);
    std::memcpy(palette.GetColorSpaceIDData(), spaceIds, n);
    std::memcpy(palette.GetMaskData(), masks, n);
}
