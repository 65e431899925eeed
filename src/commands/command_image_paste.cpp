#include "commands/command_image_paste.h"

#include <algorithm>

#include "commands/clipboard.h"
#include "commands/image_selection_compress_data.h"
#include "commands/main_dialog.h"
#include "model/floating_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "tools/grid_snap.h"
#include "tools/tool_options.h"
#include "views/image_edit_wnd.h"

namespace {

// Lays the images over one another, the first on top; pixels of the
// transparent index let the ones beneath show.
std::vector<uint8_t> StackImages(const std::vector<CClipboard::SImage>& images, uint8_t transparentIndex)
{
    std::vector<uint8_t> stacked = images.back().pixels;
    for (auto image = images.rbegin() + 1; image != images.rend(); ++image) {
        for (size_t i = 0; i < stacked.size(); ++i) {
            if (image->pixels[i] != transparentIndex) {
                stacked[i] = image->pixels[i];
            }
        }
    }
    return stacked;
}

CRect CurrentSelectionRect()
{
    const CStippleboxImageSelection& selection = *CStippleboxAccessor::GetCurrentImageSelection();
    return selection.HasMask() ? selection.GetRect() : CRect{};
}

}  // namespace

CCommandImagePaste::CCommandImagePaste() = default;
CCommandImagePaste::~CCommandImagePaste() = default;

CRect CCommandImagePaste::GetPasteRect(const CRect& copied)
{
    const CImageEditWnd& window = *GetImageEditWnd();
    CPoint place = window.GetScrollPosition();
    place = {std::max(place.x, 0), std::max(place.y, 0)};
    if (GetMainDialog()->GetToolOptions().snapToGrid) {
        const CSize interval = window.GetGrid().interval;
        place = {FloorToMultiple(place.x, interval.cx) + copied.left - FloorToMultiple(copied.left, interval.cx),
                 FloorToMultiple(place.y, interval.cy) + copied.top - FloorToMultiple(copied.top, interval.cy)};
    }
    return {place.x, place.y, place.x + copied.Width(), place.y + copied.Height()};
}

bool CCommandImagePaste::Execute()
{
    const CClipboard& clipboard = GetMainDialog()->GetClipboard();
    if (clipboard.IsEmpty()) {
        return false;
    }
    const std::vector<CStippleboxLayer*> layers = GetLinkedLayers();
    const std::vector<CClipboard::SImage>& images = clipboard.GetImages();
    if (layers.size() != images.size() && layers.size() != 1) {
        SetCommandErrorMessage(kLayerCountMismatch);
        return false;
    }
    const CRect dropped = CurrentSelectionRect();
    const CRect rect = GetPasteRect(clipboard.GetRect());
    for (CStippleboxLayer* layer : layers) {
        auto& kept = m_selections.emplace_back(std::make_unique<CImageSelectionCompressData>());
        kept->Store(*layer, true, true);
        CStippleboxImageSelection& selection = layer->GetSelection();
        selection.Clear();
        selection.Create(rect, clipboard.GetMask());
        std::fill(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), 0);
    }
    GrabUnderneath(layers);
    if (layers.size() == images.size()) {
        for (size_t i = 0; i < layers.size(); ++i) {
            layers[i]->GetSelection().GetFloating() = images[i].pixels;
        }
    } else {
        layers.front()->GetSelection().GetFloating() = StackImages(images, clipboard.GetBackgroundColor());
    }
    PaintSelections(layers, false, 0);
    ShowChangedSelection();
    CRect repaint;
    repaint.UnionRect(dropped, rect);
    ShowChangedPixels(repaint);
    return true;
}

void CCommandImagePaste::ExchangeSelections(const std::vector<CStippleboxLayer*>& layers, bool clearInside)
{
    for (size_t i = 0; i < layers.size(); ++i) {
        auto current = std::make_unique<CImageSelectionCompressData>();
        current->Store(*layers[i], clearInside, true);
        m_selections[i]->Restore(*layers[i]);
        m_selections[i] = std::move(current);
    }
}

void CCommandImagePaste::Undo()
{
    const std::vector<CStippleboxLayer*> layers = GetLinkedLayers();
    const CRect pasted = CurrentSelectionRect();
    LiftSelections(layers);
    RestoreUnderneath(layers);
    // The pasted pixels have left the layers, so their selection keeps all
    // of its floating plane; the earlier selection was dropped and is not
    // painted again.
    ExchangeSelections(layers, false);
    ShowChangedSelection();
    CRect repaint;
    repaint.UnionRect(pasted, CurrentSelectionRect());
    ShowChangedPixels(repaint);
}

void CCommandImagePaste::Redo()
{
    const std::vector<CStippleboxLayer*> layers = GetLinkedLayers();
    const CRect dropped = CurrentSelectionRect();
    ExchangeSelections(layers, true);
    PaintSelections(layers, false, 0);
    ShowChangedSelection();
    CRect repaint;
    repaint.UnionRect(dropped, CurrentSelectionRect());
    ShowChangedPixels(repaint);
}

int CCommandImagePaste::GetDataSize() const
{
    int size = 28;
    for (const auto& selection : m_selections) {
        size += selection->GetDataSize(true);
    }
    return size;
}
