#include "model/stipplebox_data.h"

#include "formats/serializer.h"
#include "formats/stipplebox_chunk_file.h"
#include "platform/exceptions.h"

namespace {

enum : uint16_t {
    kDocumentChunkWidth = 1001,
    kDocumentChunkHeight = 1002,
    kDocumentChunkLayers = 1003,
    kDocumentChunkPalettes = 1004,
    kDocumentChunkDrawingColor = 1005,
    kDocumentChunkBackgroundColor = 1006,
    kDocumentChunkDelayUnit = 1007,
};

}  // namespace

CStippleboxData::CStippleboxData() = default;
CStippleboxData::~CStippleboxData() = default;

bool CStippleboxData::Create(int width, int height)
{
    m_width = width;
    m_height = height;
    m_layers = std::make_unique<CStippleboxLayerPtrArray>();
    m_layers->NewLayer(0, width, height);
    m_palettes = std::make_unique<CStippleboxPalettePtrArray>();
    m_palettes->NewPalette(0);
    return true;
}

void CStippleboxData::SetSize(int width, int height, bool resizeLayers)
{
    m_width = width;
    m_height = height;
    if (resizeLayers) {
        for (int i = 0; i < m_layers->GetSize(); ++i) {
            m_layers->GetAt(i)->Resize(width, height);
        }
    }
}

std::unique_ptr<CStippleboxLayerPtrArray> CStippleboxData::ExchangeLayers(
    std::unique_ptr<CStippleboxLayerPtrArray> layers)
{
    std::swap(m_layers, layers);
    return layers;
}

void CStippleboxData::WriteChunks(CStippleboxChunkFile& file)
{
    file.WriteDwordChunk(kDocumentChunkWidth, static_cast<uint32_t>(m_width));
    file.WriteDwordChunk(kDocumentChunkHeight, static_cast<uint32_t>(m_height));
    file.WriteObjectChunk(kDocumentChunkLayers, *m_layers);
    file.WriteObjectChunk(kDocumentChunkPalettes, *m_palettes);
    file.WriteByteChunk(kDocumentChunkDrawingColor, m_drawingColor);
    file.WriteByteChunk(kDocumentChunkBackgroundColor, m_backgroundColor);
    file.WriteByteChunk(kDocumentChunkDelayUnit, m_delayUnit);
}

void CStippleboxData::ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length)
{
    switch (identifier) {
    case kDocumentChunkWidth:
        m_width = static_cast<int32_t>(ReadDwordPayload(file, length));
        break;
    case kDocumentChunkHeight:
        m_height = static_cast<int32_t>(ReadDwordPayload(file, length));
        break;
    case kDocumentChunkLayers: {
        // The layers are checked against the canvas as they are read.
        std::string error;
        if (!CSerializerImage::CheckCanvasSize(m_width, m_height, &error)) {
            throw CDataFormatException(error);
        }
        m_layers = std::make_unique<CStippleboxLayerPtrArray>();
        m_layers->ReadLayers(file, length, m_width, m_height);
        break;
    }
    case kDocumentChunkPalettes:
        m_palettes = std::make_unique<CStippleboxPalettePtrArray>();
        m_palettes->ReadChunks(file, length);
        break;
    case kDocumentChunkDrawingColor:
        m_drawingColor = ReadBytePayload(file, length);
        break;
    case kDocumentChunkBackgroundColor:
        m_backgroundColor = ReadBytePayload(file, length);
        break;
    case kDocumentChunkDelayUnit:
        m_delayUnit = ReadBytePayload(file, length);
        break;
    default:
        break;
    }
}

void CStippleboxData::BeginRead()
{
    m_layers.reset();
    m_palettes.reset();
}

std::u16string CStippleboxData::GetName() const
{
    return u"Stipplebox2Data";
}
