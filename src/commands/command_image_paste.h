#pragma once

#include <memory>
#include <vector>

#include "commands/command_image.h"

class CImageSelectionCompressData;

// Pastes the editor's clipboard as a new floating selection of the linked
// layers at the top-left of the view. Whatever selection the layers had is
// dropped where it lay and kept, so undo can bring it back.
class CCommandImagePaste final : public CCommandImage {
public:
    static constexpr char kLayerCountMismatch[] = "元画像と貼り付け対象のレイヤ数が異なるため、貼り付けられません。";

    CCommandImagePaste();
    ~CCommandImagePaste() override;

    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override { return "貼り付け"; }

private:
    // Where the pasted area goes: the view's top-left on the canvas, and on
    // the grid with snapping, keeping the copied area's place in its cell.
    static CRect GetPasteRect(const CRect& copied);
    // Swaps each linked layer's selection with the one kept for it.
    void ExchangeSelections(const std::vector<CStippleboxLayer*>& layers, bool clearInside);

    std::vector<std::unique_ptr<CImageSelectionCompressData>> m_selections;
};
