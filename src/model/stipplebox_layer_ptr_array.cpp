#include "model/stipplebox_layer_ptr_array.h"

#include <algorithm>
#include <vector>

#include "formats/stipplebox_chunk_file.h"
#include "platform/exceptions.h"

CStippleboxLayer* CStippleboxLayerPtrArray::NewLayer(int index, int width, int height)
{
    auto layer = std::make_unique<CStippleboxLayer>();
    layer->Create(width, height);
    layer->SetName(FormatNewName("Layer%03d"));
    layer->SetLinkID(GetUnusedLinkID());
    return InsertAt(index, std::move(layer));
}

int32_t CStippleboxLayerPtrArray::GetUnusedLinkID() const
{
    std::vector<int32_t> used;
    used.reserve(GetSize());
    for (int i = 0; i < GetSize(); ++i) {
        used.push_back(GetAt(i)->GetLinkID());
    }
    std::sort(used.begin(), used.end());
    int32_t candidate = 1;
    for (const int32_t id : used) {
        if (id == candidate) {
            ++candidate;
        } else if (id > candidate) {
            break;
        }
    }
    return candidate;
}

void CStippleboxLayerPtrArray::ReadLayers(CStippleboxChunkFile& file, uint32_t length, int canvasWidth,
                                          int canvasHeight)
{
    m_canvasWidth = canvasWidth;
    m_canvasHeight = canvasHeight;
    ReadChunks(file, length);
}

void CStippleboxLayerPtrArray::BeginElement(uint32_t length)
{
    const uint64_t pixelChunk = CStippleboxChunkFile::kHeaderSize + uint64_t(m_canvasWidth) * uint64_t(m_canvasHeight);
    if (length < pixelChunk) {
        throw CDataFormatException("レイヤの画素データがありません。");
    }
}

void CStippleboxLayerPtrArray::EndElement(const CStippleboxLayer& layer)
{
    if (layer.GetPixelCount() == 0) {
        throw CDataFormatException("レイヤの画素データがありません。");
    }
    if (layer.GetWidth() != m_canvasWidth || layer.GetHeight() != m_canvasHeight) {
        throw CDataFormatException("レイヤの大きさがキャンバスと一致しません。");
    }
}
