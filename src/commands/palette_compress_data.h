#pragma once

#include <memory>
#include <string>

#include "commands/color_compress_data.h"
#include "commands/color_selection_compress_data.h"

class CStippleboxPalette;

// A palette taken out of the document, kept as its name, entry count,
// entries and entry selection.
class CPaletteCompressData {
public:
    static constexpr int kSelfSize = 28;

    virtual ~CPaletteCompressData() = default;

    void Store(const CStippleboxPalette& palette);
    // A new palette made from what was stored.
    std::unique_ptr<CStippleboxPalette> Restore();

    int GetDataSize(bool includeSelf) const;

private:
    CColorCompressData m_colors;
    CColorSelectionCompressData m_selection;
    int32_t m_count = 0;
    std::u16string m_name;
};
