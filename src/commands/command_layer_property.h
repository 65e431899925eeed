#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/command_layer.h"

// Gives the current layer a name and a delay (in ticks). The command swaps
// the stored values with the layer's, so undo and redo run it again.
class CCommandLayerProperty final : public CCommandLayer {
public:
    CCommandLayerProperty(std::u16string name, int32_t delay) : m_name(std::move(name)), m_delay(delay) {}

    bool Execute() override;
    void Undo() override { Execute(); }
    void Redo() override { Execute(); }
    int GetDataSize() const override { return 16; }
    std::string GetTitle() const override { return "レイヤプロパティ"; }

private:
    std::u16string m_name;
    int32_t m_delay;
};

// Gives every layer the same delay (in ticks).
class CCommandLayerDelayAll final : public CCommandLayer {
public:
    explicit CCommandLayerDelayAll(int32_t delay) : m_delay(delay) {}

    bool Execute() override;
    void Undo() override;
    void Redo() override { Execute(); }
    int GetDataSize() const override { return int(m_previousDelays.size() + 8) * 4; }
    std::string GetTitle() const override { return "ディレイ一括変更"; }

private:
    int32_t m_delay;
    std::vector<int32_t> m_previousDelays;
};
