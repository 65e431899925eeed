#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "commands/command_color.h"
#include "model/palette_order.h"

class CColorCompressData;
class CColorSelectionCompressData;
class CColorSelectionMove;

// Commands on the current palette's entry selection, made by the selection
// tools of the palette grid.
class CCommandColorSelection : public CCommandColor {};

// Selects the entries a 256-byte mask marks, in place of the selection there
// was; every run exchanges the two.
class CCommandColorSelectionNew final : public CCommandColorSelection {
public:
    explicit CCommandColorSelectionNew(std::vector<uint8_t> mask);
    ~CCommandColorSelectionNew() override;
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    std::vector<uint8_t> m_mask;
    std::unique_ptr<CColorSelectionCompressData> m_other;
};

class CCommandColorSelectionCancel final : public CCommandColorSelection {
public:
    CCommandColorSelectionCancel();
    ~CCommandColorSelectionCancel() override;
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    std::unique_ptr<CColorSelectionCompressData> m_selection;
};

// A drag of the selected entries by an offset in entries, which the palette
// grid has already carried out; a drag that ended where it began records
// nothing.
class CCommandColorSelectionDrag : public CCommandColorSelection {
public:
    explicit CCommandColorSelectionDrag(int offset) : m_offset(offset) {}
    bool Execute() override;

protected:
    // Takes back what the grid did when the drag went nowhere.
    virtual void OnDragCancelled() {}

    int m_offset;
};

// The selected colours float to the offset; the entries they leave get back
// what the selection covered.
class CCommandColorSelectionMoveDrag final : public CCommandColorSelectionDrag {
public:
    using CCommandColorSelectionDrag::CCommandColorSelectionDrag;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;
};

// The selected colours are copied to the offset.
class CCommandColorSelectionCopyDrag final : public CCommandColorSelectionDrag {
public:
    // selectedColors: the selection's palette of selected colours as it was
    // when the drag began.
    CCommandColorSelectionCopyDrag(int offset, std::unique_ptr<CColorCompressData> selectedColors);
    ~CCommandColorSelectionCopyDrag() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    void OnDragCancelled() override;
    void RestoreSelectedColors();

    std::unique_ptr<CColorCompressData> m_selectedColors;
};

// The selected entries reordered by an offset; with keep-look the picture is
// renumbered so that it looks the same.
class CCommandColorSelectionReorder : public CCommandColorSelectionDrag {
public:
    CCommandColorSelectionReorder(int offset, bool keepLook) : CCommandColorSelectionDrag(offset), m_keepLook(keepLook)
    {
    }
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;

protected:
    // Reorders the palette from what the move saved and returns the
    // renumbering that goes with it.
    virtual CIndexMap Preview(CColorSelectionMove& move, int offset) const = 0;

private:
    void Reorder(int offset) const;

    bool m_keepLook;
};

// The selected entries exchanged with those at the offset.
class CCommandColorSelectionSwap final : public CCommandColorSelectionReorder {
public:
    using CCommandColorSelectionReorder::CCommandColorSelectionReorder;
    std::string GetTitle() const override;

private:
    CIndexMap Preview(CColorSelectionMove& move, int offset) const override;
};

// The selected entries moved to the offset, the others closing up in order.
class CCommandColorSelectionInsert final : public CCommandColorSelectionReorder {
public:
    using CCommandColorSelectionReorder::CCommandColorSelectionReorder;
    std::string GetTitle() const override;

private:
    CIndexMap Preview(CColorSelectionMove& move, int offset) const override;
};
