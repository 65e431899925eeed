#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "commands/command_layer.h"

// Inserts a new layer filled with the background colour and makes it current.
class CCommandLayerAdd final : public CCommandLayer {
public:
    // Inside another command, notify is off and that command tells the
    // main dialog once it is done.
    CCommandLayerAdd(int insertIndex, bool notify);

    bool Execute() override;
    void Undo() override;
    void Redo() override { Execute(); }
    int GetDataSize() const override { return 24; }
    std::string GetTitle() const override { return "レイヤ追加"; }

private:
    uint8_t m_backgroundIndex;
    int m_previousCurrent = 0;
    int m_insertIndex;
    bool m_notify;
    // The delay the layer was made with: a redo brings back the same layer,
    // whatever delay the program remembers by then.
    std::optional<int32_t> m_delay;
};

// Inserts a copy of the current layer above it, named after it with
// "のコピー", and makes the copy current. The copy has its own link group and
// no selection.
class CCommandLayerDuplicate final : public CCommandLayer {
public:
    bool Execute() override;
    void Undo() override;
    void Redo() override { Execute(); }
    int GetDataSize() const override { return 12 + (m_add ? m_add->GetDataSize() : 0); }
    std::string GetTitle() const override { return "レイヤ複製"; }

private:
    std::unique_ptr<CCommandLayerAdd> m_add;
};
