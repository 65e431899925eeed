#pragma once

#include <memory>

#include "commands/command_layer.h"

class CLayerCompressData;

// Takes a layer out of the document and keeps it, compressed, for undo. The
// last layer stays.
class CCommandLayerDelete final : public CCommandLayer {
public:
    explicit CCommandLayerDelete(int layerIndex);
    ~CCommandLayerDelete() override;

    bool Execute() override;
    void Undo() override;
    void Redo() override { Execute(); }
    int GetDataSize() const override;
    std::string GetTitle() const override { return "レイヤ削除"; }

private:
    int m_layerIndex;
    std::unique_ptr<CLayerCompressData> m_layer;
    int m_previousCurrent = 0;
};
