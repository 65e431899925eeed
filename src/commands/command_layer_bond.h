#pragma once

#include <cstdint>
#include <list>
#include <memory>

#include "commands/command_layer.h"

class CCompressData;
class CLayerCompressData;

// Merges the current layer with the one below it (mode 0) or all layers
// (mode 1) into the lowest of them, which keeps its name, delay, link group
// and selection; upper layers end on top.
class CCommandLayerBond final : public CCommandLayer {
public:
    enum EMode : uint8_t { kMergeBelow = 0, kMergeAll = 1 };

    // A layer merged away, held for undo.
    class CUndoData {
    public:
        CUndoData(int layerIndex, std::unique_ptr<CLayerCompressData> layer);
        ~CUndoData();
        int m_layerIndex;
        std::unique_ptr<CLayerCompressData> m_layer;
    };

    explicit CCommandLayerBond(EMode mode);
    ~CCommandLayerBond() override;

    bool Execute() override;
    void Undo() override;
    void Redo() override { Execute(); }
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    EMode m_mode;
    uint8_t m_backgroundIndex;
    std::unique_ptr<CCompressData> m_survivorPixels;
    std::list<CUndoData> m_undoList;  // ascending layer index
    int m_previousCurrent = 0;
};
