#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "commands/command_image.h"

class CCompressData;

// Changes the canvas size of every layer. The anchor (0..8, row × 3 +
// column of a 3 × 3 grid) says which part of the picture stays where.
// For each layer only what the new canvas loses or covers is kept for undo.
class CCommandImageResize final : public CCommandImage {
public:
    CCommandImageResize(int width, int height, int anchor);
    ~CCommandImageResize() override;

    bool Execute() override;
    void Undo() override;
    void Redo() override { Execute(); }
    int GetDataSize() const override;
    std::string GetTitle() const override { return "キャンバスの大きさ"; }

private:
    CSize m_newSize;
    CSize m_oldSize;
    uint8_t m_anchor;
    uint8_t m_backgroundIndex;
    std::vector<std::unique_ptr<CCompressData>> m_layers;
};
