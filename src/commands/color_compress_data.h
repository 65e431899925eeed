#pragma once

#include <cstdint>
#include <memory>

class CCompressData;
class CStippleboxPalette;

// A snapshot of a palette's entries: all of them, or the colours of the
// entries a 256-byte mask marks.
class CColorCompressData {
public:
    static constexpr int kSelfSize = 8;

    CColorCompressData();
    virtual ~CColorCompressData();

    void Store(const CStippleboxPalette& palette);
    void Restore(CStippleboxPalette& palette);
    // Keeps the colours of the marked entries; with none marked, nothing.
    void StoreMarked(const CStippleboxPalette& palette, const uint8_t* mask);
    // Sets the marked entries' colours, in entry order, from what was kept.
    void RestoreMarked(CStippleboxPalette& palette, const uint8_t* mask);

    bool IsStored() const { return m_data != nullptr; }
    int GetDataSize(bool includeSelf) const;

private:
    std::unique_ptr<CCompressData> m_data;
};
