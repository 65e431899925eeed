#include "model/layer_cache.h"

#include <algorithm>
#include <cstring>

#include "model/stipplebox_data.h"

namespace {

// Both images have the cache's size and row stride.
void CopyRect(uint8_t* target, const uint8_t* source, int stride, int x, int y, int w, int h)
{
    for (int row = y; row < y + h; ++row) {
        const size_t offset = size_t(row) * stride + x;
        std::memcpy(target + offset, source + offset, size_t(w));
    }
}

// Copies only the source pixels that are not the transparent index.
void CopyRectTransparent(uint8_t* target, const uint8_t* source, int stride, int x, int y, int w, int h,
                         uint8_t transparent)
{
    for (int row = y; row < y + h; ++row) {
        const size_t offset = size_t(row) * stride + x;
        uint8_t* to = target + offset;
        const uint8_t* from = source + offset;
        for (int i = 0; i < w; ++i) {
            to[i] = from[i] != transparent ? from[i] : to[i];
        }
    }
}

enum EDisplayMode : uint8_t {
    kAllVisible = 0,
    kCurrentOnly = 1,
    kWithLayerInFront = 2,
    kWithLayerBehind = 3,
    kWithAllInFront = 4,
    kWithAllBehind = 5,
};

}  // namespace

CLayerCache::CLayerCache() = default;
CLayerCache::~CLayerCache() = default;

void CLayerCache::Reset()
{
    m_compositeBuffer.reset();
    m_frontBuffer.reset();
    m_backBuffer.reset();
    std::vector<int>().swap(m_frontList);
    std::vector<int>().swap(m_backList);
    m_width = 0;
    m_height = 0;
    m_displayed = nullptr;
    m_front = nullptr;
    m_back = nullptr;
}

void CLayerCache::Rebuild()
{
    if (m_document == nullptr) {
        Reset();
        return;
    }
    if (m_document->GetWidth() != m_width || m_document->GetHeight() != m_height) {
        Reset();
        m_width = m_document->GetWidth();
        m_height = m_document->GetHeight();
    }
    std::vector<int>().swap(m_frontList);
    std::vector<int>().swap(m_backList);
    const bool currentDisplayed = CollectDisplayedLayers();
    MarkShownLayers(currentDisplayed);
    PreparePixels(currentDisplayed);
    RebuildLinkedList();
}

bool CLayerCache::CollectDisplayedLayers()
{
    const CStippleboxLayerPtrArray& layers = *m_document->GetLayers();
    const int current = layers.GetCurrentIndex();
    const int count = layers.GetSize();
    if (m_document->IsOnionSkin()) {
        return true;
    }
    switch (m_document->GetLayerDisplayMode()) {
    case kAllVisible:
        for (int i = 0; i < count; ++i) {
            if (i != current && layers[i]->IsVisible()) {
                (i < current ? m_frontList : m_backList).push_back(i);
            }
        }
        return layers[current]->IsVisible();
    case kWithLayerInFront:
        if (current > 0) {
            m_frontList.push_back(current - 1);
        }
        break;
    case kWithLayerBehind:
        if (current + 1 < count) {
            m_backList.push_back(current + 1);
        }
        break;
    case kWithAllInFront:
        for (int i = 0; i < current; ++i) {
            m_frontList.push_back(i);
        }
        break;
    case kWithAllBehind:
        for (int i = current + 1; i < count; ++i) {
            m_backList.push_back(i);
        }
        break;
    default:  // kCurrentOnly, and any unknown mode
        break;
    }
    return true;
}

void CLayerCache::MarkShownLayers(bool currentDisplayed)
{
    const CStippleboxLayerPtrArray& layers = *m_document->GetLayers();
    for (int i = 0; i < layers.GetSize(); ++i) {
        layers[i]->SetShown(false);
    }
    layers.GetCurrent()->SetShown(currentDisplayed);
    for (const int index : m_frontList) {
        layers[index]->SetShown(true);
    }
    for (const int index : m_backList) {
        layers[index]->SetShown(true);
    }
}

void CLayerCache::PreparePixels(bool currentDisplayed)
{
    const int current = m_document->GetLayers()->GetCurrentIndex();
    const size_t displayedCount = (currentDisplayed ? 1 : 0) + m_frontList.size() + m_backList.size();
    if (displayedCount == 1) {
        m_compositeBuffer.reset();
        m_frontBuffer.reset();
        m_backBuffer.reset();
        m_front = nullptr;
        m_back = nullptr;
        const int only = currentDisplayed ? current : !m_frontList.empty() ? m_frontList[0] : m_backList[0];
        m_displayed = LayerPixels(only);
        return;
    }
    m_front = PrepareGroup(m_frontList, m_frontBuffer);
    m_back = PrepareGroup(m_backList, m_backBuffer);
    uint8_t* composite = AllocateBuffer(m_compositeBuffer);
    m_displayed = composite;
    if (displayedCount == 0) {
        // Every layer of an all-visible display is hidden.
        std::memset(composite, 0, size_t(m_width) * size_t(m_height));
    }
    UpdateFrontBack(0, 0, m_width, m_height);
    UpdateComposite(0, 0, m_width, m_height);
}

const uint8_t* CLayerCache::PrepareGroup(const std::vector<int>& list, std::unique_ptr<uint8_t[]>& buffer)
{
    if (list.size() > 1) {
        return AllocateBuffer(buffer);
    }
    buffer.reset();
    return list.empty() ? nullptr : LayerPixels(list[0]);
}

uint8_t* CLayerCache::AllocateBuffer(std::unique_ptr<uint8_t[]>& buffer) const
{
    if (!buffer) {
        buffer = std::make_unique_for_overwrite<uint8_t[]>(size_t(m_width) * size_t(m_height));
    }
    return buffer.get();
}

uint8_t* CLayerCache::LayerPixels(int index) const
{
    return m_document->GetLayers()->GetAt(index)->GetPixels();
}

void CLayerCache::RebuildLinkedList()
{
    const CStippleboxLayerPtrArray& layers = *m_document->GetLayers();
    const int32_t linkId = layers.GetCurrent()->GetLinkID();
    m_linkedList.clear();
    for (int i = 0; i < layers.GetSize(); ++i) {
        const bool linked = layers[i]->GetLinkID() == linkId;
        layers[i]->SetLinkedToCurrent(linked);
        if (linked) {
            m_linkedList.push_back(i);
        }
    }
}

void CLayerCache::UpdateFrontBack(int x, int y, int w, int h)
{
    if (m_frontBuffer) {
        ComposeGroup(m_frontList, m_frontBuffer.get(), x, y, w, h);
    }
    if (m_backBuffer) {
        ComposeGroup(m_backList, m_backBuffer.get(), x, y, w, h);
    }
}

// The backmost layer of the group is copied, the others laid over it so that
// the lowest index ends on top.
void CLayerCache::ComposeGroup(const std::vector<int>& list, uint8_t* buffer, int x, int y, int w, int h)
{
    CRect rect;
    if (!rect.IntersectRect({x, y, x + w, y + h}, {0, 0, m_width, m_height}) || list.empty()) {
        return;
    }
    const uint8_t transparent = m_document->GetBackgroundColor();
    CopyRect(buffer, LayerPixels(list.back()), m_width, rect.left, rect.top, rect.Width(), rect.Height());
    for (size_t i = list.size() - 1; i-- > 0;) {
        CopyRectTransparent(buffer, LayerPixels(list[i]), m_width, rect.left, rect.top, rect.Width(), rect.Height(),
                            transparent);
    }
}

void CLayerCache::UpdateComposite(int x, int y, int w, int h)
{
    CRect rect;
    if (!m_compositeBuffer || !rect.IntersectRect({x, y, x + w, y + h}, {0, 0, m_width, m_height})) {
        return;
    }
    const CStippleboxLayer& current = *m_document->GetCurrentLayer();
    const uint8_t* sources[] = {m_back, current.IsShown() ? current.GetPixels() : nullptr, m_front};
    const uint8_t transparent = m_document->GetBackgroundColor();
    bool first = true;
    for (const uint8_t* source : sources) {
        if (source == nullptr) {
            continue;
        }
        if (first) {
            CopyRect(m_compositeBuffer.get(), source, m_width, rect.left, rect.top, rect.Width(), rect.Height());
            first = false;
        } else {
            CopyRectTransparent(m_compositeBuffer.get(), source, m_width, rect.left, rect.top, rect.Width(),
                                rect.Height(), transparent);
        }
    }
}
