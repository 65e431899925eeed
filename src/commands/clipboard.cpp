#include "commands/clipboard.h"

#include "model/floating_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"

void CClipboard::Copy(CStippleboxData& document, std::span<const int> linkedLayers)
{
    Clear();
    const std::vector<CStippleboxLayer*> layers = GetLayersAt(*document.GetLayers(), linkedLayers);
    const CStippleboxImageSelection& selection = document.GetCurrentLayer()->GetSelection();
    m_backgroundColor = document.GetBackgroundColor();
    if (!selection.HasMask()) {
        m_rect = {0, 0, document.GetWidth(), document.GetHeight()};
        for (const CStippleboxLayer* layer : layers) {
            const uint8_t* pixels = layer->GetPixels();
            m_images.push_back({{pixels, pixels + layer->GetPixelCount()}, m_rect.Width(), m_rect.Height()});
        }
        return;
    }
    LiftSelections(layers);
    m_rect = selection.GetRect();
    m_mask = selection.GetMask();
    for (const CStippleboxLayer* layer : layers) {
        // The layers of a group carry selections of one shape; a layer whose
        // selection differs contributes an empty area.
        const CStippleboxImageSelection& own = layer->GetSelection();
        std::vector<uint8_t> pixels = own.HasMask() && own.GetRect() == m_rect
                                          ? own.GetFloating()
                                          : std::vector<uint8_t>(m_mask.size(), m_backgroundColor);
        m_images.push_back({std::move(pixels), m_rect.Width(), m_rect.Height()});
    }
}

void CClipboard::Clear()
{
    m_images.clear();
    std::vector<uint8_t>().swap(m_mask);
    m_rect = {};
    m_backgroundColor = 0;
}
