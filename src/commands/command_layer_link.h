#pragma once

#include <cstdint>
#include <list>
#include <memory>

#include "commands/command_layer.h"

class CImageSelectionCompressData;

// Links a layer with the current one: a layer of another group brings its
// whole group into the current layer's, each member taking a selection of
// the current layer's shape; a layer already in the group leaves it for a
// group of its own.
class CCommandLayerLink final : public CCommandLayer {
public:
    class CUndoData {
    public:
        CUndoData(int layerIndex, int32_t linkId, std::unique_ptr<CImageSelectionCompressData> selection);
        ~CUndoData();
        int m_layerIndex;
        int32_t m_linkId;
        std::unique_ptr<CImageSelectionCompressData> m_selection;  // null when the selection stayed
    };

    explicit CCommandLayerLink(int targetIndex);
    ~CCommandLayerLink() override;

    bool Execute() override;
    void Undo() override;
    void Redo() override { Execute(); }
    int GetDataSize() const override;
    std::string GetTitle() const override { return "レイヤリンク"; }

private:
    int m_targetIndex;
    std::list<CUndoData> m_undoList;
};
