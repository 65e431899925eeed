#pragma once

#include <memory>

class CCompressData;
class CStippleboxColorSelection;

// A snapshot of a palette's entry selection with its palette of selected
// colours.
class CColorSelectionCompressData {
public:
    static constexpr int kSelfSize = 8;

    CColorSelectionCompressData();
    virtual ~CColorSelectionCompressData();

    // A selection with nothing selected stores nothing.
    void Store(const CStippleboxColorSelection& selection);
    // Clears the selection, then puts back what was stored.
    void Restore(CStippleboxColorSelection& selection);

    bool IsStored() const { return m_data != nullptr; }
    int GetDataSize(bool includeSelf) const;

private:
    std::unique_ptr<CCompressData> m_data;
};
