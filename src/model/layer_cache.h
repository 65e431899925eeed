#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CStippleboxData;
class CStippleboxLayer;

// The picture the canvas shows: one palette index per pixel, composited from
// the displayed layers by transparent index (the document's background
// colour). The displayed layers in front of the current one are kept
// pre-composited in a front buffer, those behind it in a back buffer, so a
// change in the current layer recomposes from three sources however many
// layers are shown. A single displayed layer is shown straight from its own
// pixels, with no buffer and no copy.
class CLayerCache {
public:
    CLayerCache();
    virtual ~CLayerCache();
    CLayerCache(const CLayerCache&) = delete;
    CLayerCache& operator=(const CLayerCache&) = delete;

    // The document to composite (not owned); Rebuild before the next use.
    void SetDocument(CStippleboxData* document) { m_document = document; }

    // Recomputes which layers are displayed, the layers' shown and
    // linked-to-current flags, the linked list and every buffer. Needed after
    // any change of the layer set, of visibility, of the display mode, the
    // onion skin or the background colour, and whenever a layer's pixel
    // array is replaced.
    void Rebuild();
    // Recomposes the front and back buffers in a rectangle (other layers
    // changed there).
    void UpdateFrontBack(int x, int y, int w, int h);
    // Recomposes the displayed picture in a rectangle (the current layer
    // changed there).
    void UpdateComposite(int x, int y, int w, int h);
    void Reset();

    // width × height indices, row stride width; null after Reset.
    const uint8_t* GetPixels() const { return m_displayed; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    // Displayed layers in front of and behind the current one, in increasing
    // index order.
    const std::vector<int>& GetFrontList() const { return m_frontList; }
    const std::vector<int>& GetBackList() const { return m_backList; }
    // The current layer's link group, ascending: the layers that selection
    // operations act on.
    const std::vector<int>& GetLinkedList() const { return m_linkedList; }

private:
    // Fills the front and back lists; returns whether the current layer is
    // displayed.
    bool CollectDisplayedLayers();
    void MarkShownLayers(bool currentDisplayed);
    void PreparePixels(bool currentDisplayed);
    const uint8_t* PrepareGroup(const std::vector<int>& list, std::unique_ptr<uint8_t[]>& buffer);
    void ComposeGroup(const std::vector<int>& list, uint8_t* buffer, int x, int y, int w, int h);
    void RebuildLinkedList();
    uint8_t* LayerPixels(int index) const;
    uint8_t* AllocateBuffer(std::unique_ptr<uint8_t[]>& buffer) const;

    CStippleboxData* m_document = nullptr;
    std::unique_ptr<uint8_t[]> m_compositeBuffer;
    std::unique_ptr<uint8_t[]> m_frontBuffer;
    std::unique_ptr<uint8_t[]> m_backBuffer;
    const uint8_t* m_displayed = nullptr;
    const uint8_t* m_front = nullptr;
    const uint8_t* m_back = nullptr;
    int m_width = 0;
    int m_height = 0;
    std::vector<int> m_frontList;
    std::vector<int> m_backList;
    std::vector<int> m_linkedList;
};
