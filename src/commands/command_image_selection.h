#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "commands/command_image.h"
#include "model/geometry.h"

class CCompressData;
class CImageSelectionCompressData;

// Commands on the pixel selections of the current layer's link group.
class CCommandImageSelection : public CCommandImage {
public:
    // A layer's selection as it was, by the layer's index.
    struct CUndoData {
        CUndoData(std::unique_ptr<CImageSelectionCompressData> snapshot, int layerIndex);
        CUndoData(CUndoData&&) noexcept;
        CUndoData& operator=(CUndoData&&) noexcept;
        ~CUndoData();

        std::unique_ptr<CImageSelectionCompressData> snapshot;
        int layerIndex;
    };

protected:
    // Snapshots the selection of every linked layer.
    static std::vector<CUndoData> StoreLinkedSelections(bool clearInside);
    // Moves the linked selections by the offset that brings the current
    // layer's to the top-left and returns the top-left it had. Without lift
    // the floating content is carried as it is held.
    static CPoint MoveLinkedSelectionsTo(CPoint topLeft, bool lift, bool transparent, uint8_t background);
};

// Selects a rectangle, through a mask or whole, on every linked layer; a
// floating selection there stays painted where it is. Every run exchanges
// the selections with the stored ones.
class CCommandImageSelectionNew final : public CCommandImageSelection {
public:
    // The mask has a byte per pixel of the rectangle; none selects all of it.
    explicit CCommandImageSelectionNew(const CRect& rect, std::vector<uint8_t> mask = {});
    ~CCommandImageSelectionNew() override;
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    std::vector<uint8_t> m_mask;
    CRect m_rect;
    std::vector<CUndoData> m_undoList;
};

// Drops the selections of the linked layers where they are. With the
// transparent option their background-coloured pixels let what lies beneath
// show.
class CCommandImageSelectionCancel final : public CCommandImageSelection {
public:
    explicit CCommandImageSelectionCancel(bool transparent);
    ~CCommandImageSelectionCancel() override;
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    bool m_transparent;
    uint8_t m_background;
    std::vector<CUndoData> m_undoList;
};

// Moves the linked selections so that the current layer's has the top-left;
// every run exchanges it with the top-left they had.
class CCommandImageSelectionMove final : public CCommandImageSelection {
public:
    explicit CCommandImageSelectionMove(CPoint topLeft) : m_topLeft(topLeft) {}
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    CPoint m_topLeft;
};

// Records a drag of the selections, which the selection tool has already
// carried out from the start top-left.
class CCommandImageSelectionMoveDrag final : public CCommandImageSelection {
public:
    // With transparent, the drag let the background colour of the carried
    // content show the picture beneath.
    CCommandImageSelectionMoveDrag(CPoint start, bool transparent);
    ~CCommandImageSelectionMoveDrag() override;
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    struct SCarriedContent;

    // A transparent drag did not put its content whole into the layers, so
    // lifting cannot take it back: it is kept for undo.
    void KeepCarriedContent();
    void PutBackCarriedContent();

    CPoint m_topLeft;
    bool m_transparent;
    uint8_t m_background;
    std::vector<SCarriedContent> m_carried;
};
