#include "bars/status_bar_info.h"

#include "model/layer_cache.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "model/stipplebox_layer.h"
#include "model/stipplebox_layer_ptr_array.h"
#include "model/stipplebox_palette.h"
#include "platform/text.h"
#include "views/image_edit_wnd.h"

namespace {

std::string ColorText(const SPaletteColor& color)
{
    return "(" + std::to_string(color.red) + ", " + std::to_string(color.green) + ", " + std::to_string(color.blue) +
           ")";
}

std::string SizeText(const CRect& rect)
{
    return "選択 " + std::to_string(rect.Width()) + " × " + std::to_string(rect.Height());
}

}  // namespace

SStatusBarInfo DescribeStatus(CImageEditWnd& canvas, std::optional<CPoint> pointer)
{
    SStatusBarInfo info;
    const CStippleboxData* document = canvas.GetDocument();
    if (document == nullptr) {
        return info;
    }
    const CStippleboxPalette& palette = *document->GetCurrentPalette();
    const CLayerCache& cache = canvas.GetLayerCache();
    if (pointer && cache.GetPixels() != nullptr) {
        const CPoint image = canvas.ScreenToImage(*pointer);
        if (CRect{0, 0, cache.GetWidth(), cache.GetHeight()}.PtInRect(image)) {
            const uint8_t index = cache.GetPixels()[size_t(image.y) * size_t(cache.GetWidth()) + size_t(image.x)];
            info.pointer = std::to_string(image.x) + ", " + std::to_string(image.y);
            info.pixel = std::to_string(index) + "  " + ColorText(palette.GetColor(index));
        }
    }

    // The outline a selection tool is drawing, else the selection held.
    const CStippleboxLayer& layer = *document->GetCurrentLayer();
    if (!canvas.GetSelector().GetRect().IsRectEmpty()) {
        info.selection = SizeText(canvas.GetSelector().GetRect());
    } else if (layer.GetSelection().HasMask()) {
        info.selection = SizeText(layer.GetSelection().GetRect());
    }

    info.zoom = canvas.GetZoom() == 1 ? "等倍" : "x " + std::to_string(canvas.GetZoom());
    const CStippleboxLayerPtrArray& layers = *document->GetLayers();
    info.layer = "レイヤ " + std::to_string(layers.GetCurrentIndex() + 1) + "/" + std::to_string(layers.GetSize()) +
                 "  " + sb::Utf16ToUtf8(layer.GetLayerName());
    info.drawingColor = "描画色 " + std::to_string(document->GetDrawingColor());
    info.backgroundColor = "背景色 " + std::to_string(document->GetBackgroundColor());
    info.drawingSwatch = palette.GetColor(document->GetDrawingColor()).ToDisplayPixel();
    info.backgroundSwatch = palette.GetColor(document->GetBackgroundColor()).ToDisplayPixel();
    return info;
}
