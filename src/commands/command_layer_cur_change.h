#pragma once

#include "commands/command_layer.h"

// Makes another layer current.
class CCommandLayerCurChange final : public CCommandLayer {
public:
    explicit CCommandLayerCurChange(int newIndex) : m_newIndex(newIndex) {}

    bool Execute() override;
    void Undo() override { MakeCurrent(m_oldIndex); }
    void Redo() override { MakeCurrent(m_newIndex); }
    int GetDataSize() const override { return 16; }
    std::string GetTitle() const override { return "カレントレイヤ変更"; }

private:
    static void MakeCurrent(int index);

    int m_newIndex;
    int m_oldIndex = 0;
};
