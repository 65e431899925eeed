#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/stipplebox_chunk_serializer.h"
#include "model/display_pixel.h"

class CStippleboxColorSelection;

// One palette colour, in the order the files store it.
struct SPaletteColor {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;

    static constexpr SPaletteColor FromRgb(uint32_t rgb)
    {
        return {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb >> 16)};
    }
    constexpr DisplayPixel ToDisplayPixel() const { return MakeDisplayPixel(red, green, blue); }
    friend bool operator==(const SPaletteColor&, const SPaletteColor&) = default;
};
static_assert(sizeof(SPaletteColor) == 3);

// A palette of count entries (256 for every palette the program makes). Each
// entry has a colour, the channel triple last set in a non-RGB colour space,
// that space's identifier, a colour-mask flag and its display pixel.
class CStippleboxPalette : public CStippleboxChunkSerializer {
public:
    static constexpr int kEntryCount = 256;
    // An entry as the undo history's budget counts it: colour 3, triple 6,
    // space 1, mask 1 and 2 for a display copy.
    static constexpr int kBytesPerEntry = 13;

    CStippleboxPalette();
    ~CStippleboxPalette() override;

    void Create(int count, bool withSelection);
    // Create with count, or with the source's count when count is −1.
    void CreateLike(const CStippleboxPalette& source, int count, bool withSelection);

    int GetCount() const { return m_count; }
    const std::u16string& GetPaletteName() const { return m_name; }
    void SetName(std::u16string name) { m_name = std::move(name); }

    const SPaletteColor& GetColor(int index) const { return m_colors[index]; }
    void SetColor(int index, const SPaletteColor& color);
    // SetColor for n consecutive entries; the index wraps from 255 to 0.
    void SetColors(int first, int n, const SPaletteColor* colors);
    DisplayPixel GetDisplayPixel(int index) const { return m_displayPixels[index]; }
    // The display pixels of all entries: a table that painting indexes.
    const DisplayPixel* GetDisplayPixels() const { return m_displayPixels.data(); }

    std::array<uint16_t, 3> GetTriple(int index) const;
    void SetTriple(int index, const std::array<uint16_t, 3>& triple);
    uint8_t GetColorSpaceID(int index) const { return m_colorSpaceIds[index]; }
    void SetColorSpaceID(int index, uint8_t id) { m_colorSpaceIds[index] = id; }
    bool IsMasked(int index) const { return m_mask[index] != 0; }
    void SetMasked(int index, bool masked) { m_mask[index] = masked ? 1 : 0; }

    // The raw arrays, laid out as the files and snapshots store them.
    SPaletteColor* GetColorData() { return m_colors.data(); }
    const SPaletteColor* GetColorData() const { return m_colors.data(); }
    uint16_t* GetTripleData() { return m_triples.data(); }
    const uint16_t* GetTripleData() const { return m_triples.data(); }
    uint8_t* GetColorSpaceIDData() { return m_colorSpaceIds.data(); }
    const uint8_t* GetColorSpaceIDData() const { return m_colorSpaceIds.data(); }
    uint8_t* GetMaskData() { return m_mask.data(); }
    const uint8_t* GetMaskData() const { return m_mask.data(); }
    // Recomputes every display pixel from the colours (after a raw copy).
    void UpdateDisplayPixels();

    CStippleboxColorSelection* GetColorSelection() const { return m_colorSelection.get(); }

    // Copies colour, triple, space ID, mask flag and display pixel.
    void CopyEntry(int index, const CStippleboxPalette& source, int sourceIndex);
    // Copies all entries; the counts must be equal.
    void CopyAll(const CStippleboxPalette& source);
    // Copies each flagged source entry to this palette's next entry from 0.
    void GatherMarked(const CStippleboxPalette& source, const uint8_t* flags);
    // Gives each flagged entry the source's next entry from 0.
    void ScatterMarked(const CStippleboxPalette& source, const uint8_t* flags);
    void SwapEntries(int index, CStippleboxPalette& other, int otherIndex);
    // The entry nearest to the colour (Euclidean over the three bytes); the
    // lower index wins a tie. The excluded index (a transparent one) never wins.
    int FindNearest(const SPaletteColor& color, int excludedIndex = -1) const;

    int GetDataSize() const { return m_count * kBytesPerEntry; }

    void WriteChunks(CStippleboxChunkFile& file) override;
    void ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length) override;

private:
    std::vector<SPaletteColor> m_colors;
    std::vector<uint16_t> m_triples;  // three values an entry
    std::vector<uint8_t> m_colorSpaceIds;
    std::vector<uint8_t> m_mask;
    std::u16string m_name;
    std::unique_ptr<CStippleboxColorSelection> m_colorSelection;
    int m_count = 0;
    std::vector<DisplayPixel> m_displayPixels;
};
