#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CStippleboxPalette;

// The selected entries of a palette, with a palette of their colours in entry
// order. Empty when nothing is selected.
class CStippleboxColorSelection {
public:
    static constexpr int kMaskSize = 256;

    CStippleboxColorSelection();
    virtual ~CStippleboxColorSelection();

    void Clear();
    // Takes over a 256-byte mask (non-zero = selected). With no entry marked
    // the selection stays empty. Returns false when the palette of selected
    // colours cannot be set up.
    bool SetMask(std::vector<uint8_t> mask);

    bool HasMask() const { return !m_mask.empty(); }
    const std::vector<uint8_t>& GetMask() const { return m_mask; }
    std::vector<uint8_t>& GetMask() { return m_mask; }
    int GetCount() const { return m_count; }
    CStippleboxPalette* GetPalette() const { return m_palette.get(); }

private:
    std::unique_ptr<CStippleboxPalette> m_palette;
    std::vector<uint8_t> m_mask;
    uint16_t m_count = 0;
};
