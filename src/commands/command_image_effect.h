#pragma once

#include <memory>
#include <span>
#include <vector>

#include "commands/command_image.h"
#include "tools/image_transform.h"

class CCompressData;
class CStippleboxImageSelection;

// Base of the canvas-wide effects (delete, cut, flips, rotation, scaling).
// An effect works on the selection of the current layer's link group when
// there is one, otherwise on the group's whole layers. It keeps compressed
// what it cannot recompute and redoes by running again.
class CCommandImageEffect : public CCommandImage {
public:
    // What one layer needs for undo.
    class CUndoData {
    public:
        int m_layerIndex = 0;
        std::unique_ptr<CCompressData> m_pixels;
        std::unique_ptr<CCompressData> m_mask;  // null when the effect kept none
        CRect m_rect;                           // the selection's, for resizing effects
    };

    CCommandImageEffect();
    ~CCommandImageEffect() override;

    bool Execute() override;
    void Undo() override;
    void Redo() override { Execute(); }
    int GetDataSize() const override;

protected:
    // Without a selection the procedure still gets a mask: all set.
    virtual bool UsesMask() const { return false; }
    // The procedure moves mask bytes, so the selection is taken off the layer
    // before and put back after.
    virtual bool ChangesMask() const { return false; }
    // The procedure makes a block of a new size.
    virtual bool ChangesSize() const { return false; }
    // Running the procedure twice gives the pixels back: undo runs it again
    // and nothing is kept.
    virtual bool SelfInverse() const { return false; }
    virtual STransformedBlock TransformResize(const uint8_t* pixels, int width, int height, const uint8_t* mask);
    virtual void TransformInPlace(uint8_t* pixels, int width, int height, uint8_t* mask);

    uint8_t GetBackgroundIndex() const { return m_backgroundIndex; }

private:
    void ExecuteOnSelections(const std::vector<int>& layerIndices);
    void ExecuteOnLayers(const std::vector<int>& layerIndices);
    void UndoOnSelections();
    void UndoOnLayers();
    void Keep(int layerIndex, std::span<const uint8_t> pixels, const std::vector<uint8_t>* mask, const CRect& rect);
    std::vector<CStippleboxLayer*> GetKeptLayers() const;

    std::vector<CUndoData> m_undoList;
    uint8_t m_backgroundIndex;
};
