#include "commands/command_image_effects.h"

#include <cstring>

#include "commands/clipboard.h"
#include "commands/main_dialog.h"
#include "views/image_edit_wnd.h"

void CCommandImageEffectDelete::TransformInPlace(uint8_t* pixels, int width, int height, uint8_t*)
{
    // Only the selected pixels of a floating plane reach the layer.
    std::memset(pixels, GetBackgroundIndex(), size_t(width) * size_t(height));
}

bool CCommandImageEffectCut::Execute()
{
    GetMainDialog()->GetClipboard().Copy(*GetData(), GetImageEditWnd()->GetLayerCache().GetLinkedList());
    return CCommandImageEffectDelete::Execute();
}

void CCommandImageEffectFlipHorz::TransformInPlace(uint8_t* pixels, int width, int height, uint8_t* mask)
{
    FlipHorizontal(pixels, width, height, mask);
}

void CCommandImageEffectFlipVert::TransformInPlace(uint8_t* pixels, int width, int height, uint8_t* mask)
{
    FlipVertical(pixels, width, height, mask);
}

STransformedBlock CCommandImageEffectRotate::TransformResize(const uint8_t* pixels, int width, int height,
                                                             const uint8_t* mask)
{
    return Rotate(pixels, width, height, mask, m_angle, GetCanvasSize());
}

STransformedBlock CCommandImageEffectScaling::TransformResize(const uint8_t* pixels, int width, int height,
                                                              const uint8_t* mask)
{
    return ScaleNearest(pixels, width, height, mask, m_width, m_height);
}
