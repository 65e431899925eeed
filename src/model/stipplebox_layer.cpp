#include "model/stipplebox_layer.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "formats/stipplebox_chunk_file.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "platform/exceptions.h"

namespace {

enum : uint16_t {
    kLayerChunkName = 1000,
    kLayerChunkWidth = 1001,
    kLayerChunkHeight = 1002,
    kLayerChunkPixels = 1003,
    kLayerChunkVisible = 1004,
    kLayerChunkLinkId = 1005,
    kLayerChunkDelay = 1006,
};

}  // namespace

CStippleboxLayer::CStippleboxLayer() : m_selection(std::make_unique<CStippleboxImageSelection>()) {}

CStippleboxLayer::~CStippleboxLayer() = default;

void CStippleboxLayer::Create(int width, int height)
{
    m_selection->Clear();
    Resize(width, height);
}

void CStippleboxLayer::Resize(int width, int height)
{
    std::vector<uint8_t>().swap(m_pixels);
    m_pixels.resize(size_t(width) * size_t(height));
    m_width = width;
    m_height = height;
}

void CStippleboxLayer::Fill(uint8_t index)
{
    std::fill(m_pixels.begin(), m_pixels.end(), index);
}

std::vector<uint8_t> CStippleboxLayer::TakePixels()
{
    return std::exchange(m_pixels, {});
}

void CStippleboxLayer::SetPixels(std::vector<uint8_t> pixels)
{
    assert(pixels.size() == size_t(m_width) * size_t(m_height));
    m_pixels = std::move(pixels);
}

void CStippleboxLayer::SetPixels(int width, int height, std::vector<uint8_t> pixels)
{
    m_width = width;
    m_height = height;
    SetPixels(std::move(pixels));
}

void CStippleboxLayer::WriteChunks(CStippleboxChunkFile& file)
{
    file.WriteDwordChunk(kLayerChunkWidth, static_cast<uint32_t>(m_width));
    file.WriteDwordChunk(kLayerChunkHeight, static_cast<uint32_t>(m_height));
    file.WriteBytesChunk(kLayerChunkPixels, m_pixels);
    file.WriteStringChunk(kLayerChunkName, m_name);
    file.WriteByteChunk(kLayerChunkVisible, m_visible ? 1 : 0);
    file.WriteDwordChunk(kLayerChunkLinkId, static_cast<uint32_t>(m_linkId));
    file.WriteDwordChunk(kLayerChunkDelay, static_cast<uint32_t>(m_delay.GetTicks()));
}

void CStippleboxLayer::ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length)
{
    switch (identifier) {
    case kLayerChunkWidth:
        m_width = static_cast<int32_t>(ReadDwordPayload(file, length));
        break;
    case kLayerChunkHeight:
        m_height = static_cast<int32_t>(ReadDwordPayload(file, length));
        break;
    case kLayerChunkPixels:
        if (m_width <= 0 || m_height <= 0) {
            break;  // the size must come first
        }
        // A stream's length may be a mere claim (files inflate as they are
        // read), so a layer larger than any canvas is refused before anything
        // is allocated for it.
        if (m_width > CStippleboxData::kMaxCanvasSize || m_height > CStippleboxData::kMaxCanvasSize) {
            throw CDataFormatException("レイヤの大きさが異常です。");
        }
        // The pixels must be exactly the size announced.
        if (uint64_t{length} != uint64_t(m_width) * uint64_t(m_height)) {
            throw CDataFormatException("レイヤの画素データの大きさが異常です。");
        }
        Create(m_width, m_height);
        file.Read(m_pixels.data(), length, true);
        break;
    case kLayerChunkName:
        m_name = file.ReadString(length / 2);
        break;
    case kLayerChunkVisible:
        m_visible = ReadBytePayload(file, length) != 0;
        break;
    case kLayerChunkLinkId:
        m_linkId = static_cast<int32_t>(ReadDwordPayload(file, length));
        break;
    case kLayerChunkDelay:
        m_delay.SetDelay(static_cast<int32_t>(ReadDwordPayload(file, length)), 0, true);
        break;
    default:
        break;
    }
}
