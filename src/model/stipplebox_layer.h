#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/stipplebox_chunk_serializer.h"
#include "model/delay.h"

class CStippleboxImageSelection;

// One layer of the document: a full-canvas array of palette indices, top row
// first, no row padding. Layers double as animation frames with their delay.
class CStippleboxLayer : public CStippleboxChunkSerializer {
public:
    CStippleboxLayer();
    ~CStippleboxLayer() override;

    // Allocates width × height pixels (content left to the caller) and
    // empties the selection.
    void Create(int width, int height);
    // Reallocates the pixels for a new size; the selection is kept.
    void Resize(int width, int height);

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    uint8_t* GetPixels() { return m_pixels.empty() ? nullptr : m_pixels.data(); }
    const uint8_t* GetPixels() const { return m_pixels.empty() ? nullptr : m_pixels.data(); }
    // Width × height once created; a layer read from a file may lack pixels.
    size_t GetPixelCount() const { return m_pixels.size(); }
    uint8_t GetPixel(int x, int y) const { return m_pixels[size_t(y) * m_width + x]; }
    void SetPixel(int x, int y, uint8_t index) { m_pixels[size_t(y) * m_width + x] = index; }
    void Fill(uint8_t index);
    // Hands the pixel array out (the layer is left without pixels) and back.
    std::vector<uint8_t> TakePixels();
    void SetPixels(std::vector<uint8_t> pixels);
    // Takes over width × height pixels as the layer's new size and content.
    void SetPixels(int width, int height, std::vector<uint8_t> pixels);

    const std::u16string& GetLayerName() const { return m_name; }
    void SetName(std::u16string name) { m_name = std::move(name); }
    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    int32_t GetLinkID() const { return m_linkId; }
    void SetLinkID(int32_t linkId) { m_linkId = linkId; }
    CDelay& GetDelay() { return m_delay; }
    const CDelay& GetDelay() const { return m_delay; }
    CStippleboxImageSelection& GetSelection() { return *m_selection; }
    const CStippleboxImageSelection& GetSelection() const { return *m_selection; }

    // Display state, owned by the layer cache.
    bool IsShown() const { return m_shown; }
    void SetShown(bool shown) { m_shown = shown; }
    bool IsLinkedToCurrent() const { return m_linkedToCurrent; }
    void SetLinkedToCurrent(bool linked) { m_linkedToCurrent = linked; }

    void WriteChunks(CStippleboxChunkFile& file) override;
    void ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length) override;

private:
    std::u16string m_name;
    std::vector<uint8_t> m_pixels;
    bool m_visible = true;
    int32_t m_linkId = 0;
    CDelay m_delay;
    std::unique_ptr<CStippleboxImageSelection> m_selection;
    int32_t m_width = 0;
    int32_t m_height = 0;
    bool m_shown = true;
    bool m_linkedToCurrent = false;
};
