#include "commands/layer_compress_data.h"

#include <vector>

#include "commands/compress_data.h"
#include "commands/image_selection_compress_data.h"
#include "model/stipplebox_image_selection.h"
#include "model/stipplebox_layer.h"

CLayerCompressData::CLayerCompressData() = default;
CLayerCompressData::~CLayerCompressData() = default;

void CLayerCompressData::Store(std::unique_ptr<CStippleboxLayer> layer)
{
    m_layer = std::move(layer);
    m_pixels = std::make_unique<CCompressData>();
    m_pixels->Compress(m_layer->TakePixels());
    m_selection = std::make_unique<CImageSelectionCompressData>();
    m_selection->Store(*m_layer, true, true);
    m_layer->GetSelection().Clear();
}

std::unique_ptr<CStippleboxLayer> CLayerCompressData::Restore()
{
    if (!m_layer) {
        return nullptr;
    }
    std::unique_ptr<CStippleboxLayer> layer = std::move(m_layer);
    layer->SetPixels(m_pixels->Decompress());
    m_pixels.reset();
    m_selection->Restore(*layer);
    m_selection.reset();
    return layer;
}

int CLayerCompressData::GetDataSize(bool includeSelf) const
{
    return (includeSelf ? kSelfSize : 0) + (m_selection ? m_selection->GetDataSize(true) : 0) +
           (m_pixels ? m_pixels->GetDataSize(true) : 0) + (m_layer ? kHeldLayerSize : 0);
}
