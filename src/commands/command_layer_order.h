#pragma once

#include "commands/command_layer.h"

// Moves the current layer to another place in the stack. The command keeps
// the place that moves it back, so undo and redo run it again.
class CCommandLayerOrder final : public CCommandLayer {
public:
    // insertPosition: 0 to the layer count, meaning before that index.
    explicit CCommandLayerOrder(int insertPosition) : m_insertPosition(insertPosition) {}

    bool Execute() override;
    void Undo() override { Execute(); }
    void Redo() override { Execute(); }
    int GetDataSize() const override { return 12; }
    std::string GetTitle() const override { return "レイヤ順序"; }

private:
    int m_insertPosition;
};
