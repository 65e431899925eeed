#include "commands/image_selection_compress_data.h"

#include "commands/compress_data.h"
#include "model/stipplebox_image_selection.h"
#include "model/stipplebox_layer.h"

CImageSelectionCompressData::CImageSelectionCompressData()
    : m_floating(std::make_unique<CCompressData>()),
      m_underneath(std::make_unique<CCompressData>()),
      m_mask(std::make_unique<CCompressData>())
{
}

CImageSelectionCompressData::~CImageSelectionCompressData() = default;

void CImageSelectionCompressData::Store(CStippleboxLayer& layer, bool clearInside, bool prepare)
{
    CStippleboxImageSelection& selection = layer.GetSelection();
    m_stored = selection.HasMask();
    if (!m_stored) {
        return;
    }
    m_rect = selection.GetRect();
    if (prepare) {
        selection.PrepareForSnapshot({layer.GetWidth(), layer.GetHeight()}, clearInside);
    }
    m_floating->Compress(selection.GetFloating());
    m_underneath->Compress(selection.GetUnderneath());
    m_mask->Compress(selection.GetMask());
}

void CImageSelectionCompressData::Restore(CStippleboxLayer& layer)
{
    CStippleboxImageSelection& selection = layer.GetSelection();
    selection.Clear();
    if (!m_stored) {
        return;
    }
    // Decompressed blocks always have their stored size, whatever a failure
    // left in them, so the selection stays consistent.
    std::vector<uint8_t> floating = m_floating->Decompress();
    std::vector<uint8_t> underneath = m_underneath->Decompress();
    std::vector<uint8_t> mask = m_mask->Decompress();
    selection.Assign(m_rect, std::move(floating), std::move(underneath), std::move(mask));
}

void CImageSelectionCompressData::Clear()
{
    m_stored = false;
    m_rect = {};
    m_floating->Free();
    m_underneath->Free();
    m_mask->Free();
}

int CImageSelectionCompressData::GetDataSize(bool includeSelf) const
{
    return m_floating->GetDataSize(true) + m_underneath->GetDataSize(true) + m_mask->GetDataSize(true) +
           (includeSelf ? kSelfSize : 0);
}
