#pragma once

#include <memory>

#include "commands/command_image.h"

class CCompressData;

// A finished stroke of a drawing tool. The tool has already drawn into the
// current layer while the canvas kept the layer's backup from before the
// stroke; the command keeps the stroke rectangle's pixels from the other
// side of the change, and each undo or redo swaps them with the layer's.
class CCommandImageDraw final : public CCommandImage {
public:
    explicit CCommandImageDraw(const CRect& rect);
    ~CCommandImageDraw() override;

    bool Execute() override;
    void Undo() override;
    void Redo() override { Undo(); }
    int GetDataSize() const override;
    std::string GetTitle() const override { return "描画"; }

private:
    CRect m_rect;
    std::unique_ptr<CCompressData> m_pixels;
};
