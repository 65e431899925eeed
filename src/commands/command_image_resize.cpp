#include "commands/command_image_resize.h"

#include <cstring>

#include "commands/compress_data.h"
#include "commands/main_dialog.h"
#include "model/floating_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "tools/image_transform.h"

namespace {

// Copies the placement's source part of one canvas-wide block to its
// destination in another.
void CopyPlacedPart(const uint8_t* from, int fromWidth, uint8_t* to, int toWidth,
                    const SCanvasResizePlacement& placement)
{
    const CRect& source = placement.source;
    const CRect& destination = placement.destination;
    for (int y = 0; y < source.Height(); ++y) {
        std::memcpy(to + size_t(destination.top + y) * toWidth + destination.left,
                    from + size_t(source.top + y) * fromWidth + source.left, size_t(source.Width()));
    }
}

void ZeroPart(std::vector<uint8_t>& block, int width, const CRect& part)
{
    for (int y = part.top; y < part.bottom; ++y) {
        std::memset(&block[size_t(y) * width + part.left], 0, size_t(part.Width()));
    }
}

// Moves the picture onto a canvas of the size `to`: moveLayer(layer index,
// layer, placement) gives each layer its new pixels. The selections travel
// with the picture, lifted off the layers meanwhile; once it has moved, what
// lies beneath them is taken afresh, so a part that was off the canvas has
// the new background beneath it, not whatever its plane held.
template <class MoveLayer>
void MoveCanvas(CSize from, CSize to, int anchor, MoveLayer moveLayer)
{
    CStippleboxLayerPtrArray& layers = *CStippleboxAccessor::GetLayers();
    const std::vector<CStippleboxLayer*> selected = GetLayersWithSelection(layers);
    LiftSelections(selected);
    RestoreUnderneath(selected);
    const SCanvasResizePlacement placement = PlaceResizedCanvas(from, to, anchor);
    for (int i = 0; i < layers.GetSize(); ++i) {
        moveLayer(i, *layers[i], placement);
    }
    for (CStippleboxLayer* layer : selected) {
        CStippleboxImageSelection& selection = layer->GetSelection();
        CRect rect = selection.GetRect();
        rect.OffsetRect(placement.destination.left - placement.source.left,
                        placement.destination.top - placement.source.top);
        selection.SetRect(rect);
    }
    CStippleboxAccessor::GetData()->SetSize(to.cx, to.cy, false);
    GrabUnderneath(selected);
    PaintSelections(selected, false, 0);
    CStippleboxAccessor::GetMainDialog()->OnCanvasResized();
}

}  // namespace

CCommandImageResize::CCommandImageResize(int width, int height, int anchor)
    : m_newSize{width, height},
      m_oldSize(GetCanvasSize()),
      m_anchor(uint8_t(anchor)),
      m_backgroundIndex(GetData()->GetBackgroundColor())
{
}

CCommandImageResize::~CCommandImageResize() = default;

bool CCommandImageResize::Execute()
{
    m_layers.clear();
    MoveCanvas(m_oldSize, m_newSize, m_anchor,
               [this](int, CStippleboxLayer& layer, const SCanvasResizePlacement& placement) {
                   std::vector<uint8_t> old = layer.TakePixels();
                   layer.Resize(m_newSize.cx, m_newSize.cy);
                   layer.Fill(m_backgroundIndex);
                   CopyPlacedPart(old.data(), m_oldSize.cx, layer.GetPixels(), m_newSize.cx, placement);
                   // The kept part lives on in the layer.
                   ZeroPart(old, m_oldSize.cx, placement.source);
                   m_layers.emplace_back(std::make_unique<CCompressData>())->Compress(old);
               });
    return true;
}

void CCommandImageResize::Undo()
{
    MoveCanvas(m_newSize, m_oldSize, m_anchor,
               [this](int index, CStippleboxLayer& layer, const SCanvasResizePlacement& placement) {
                   std::vector<uint8_t> old = m_layers[size_t(index)]->Decompress();
                   CopyPlacedPart(layer.GetPixels(), m_newSize.cx, old.data(), m_oldSize.cx, placement);
                   layer.SetPixels(m_oldSize.cx, m_oldSize.cy, std::move(old));
               });
    m_layers.clear();
}

int CCommandImageResize::GetDataSize() const
{
    int size = 32;
    for (const auto& layer : m_layers) {
        size += layer->GetDataSize(true);
    }
    return size;
}
