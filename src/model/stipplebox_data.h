#pragma once

#include <cstdint>
#include <memory>

#include "formats/stipplebox_chunk_serializer.h"
#include "model/geometry.h"
#include "model/stipplebox_layer_ptr_array.h"
#include "model/stipplebox_palette_ptr_array.h"

// The one indexed-colour picture: a canvas size, a stack of layers (index 0
// in front) and up to ten palettes of which the current one colours every
// layer. Once created, both arrays hold at least one element, every layer has
// the canvas size and both current indices lie inside their arrays.
class CStippleboxData : public CStippleboxChunkSerializer {
public:
    static constexpr int kMaxCanvasSize = 1024;
    static constexpr uint8_t kDefaultDelayUnit = 6;  // 1/60 second

    CStippleboxData();
    ~CStippleboxData() override;

    // Makes the size, one layer and one 256-entry palette, both current. The
    // layer's pixels and the palette's colours are left to the caller.
    bool Create(int width, int height);
    // Sets the canvas size; with resizeLayers every layer gets a new pixel
    // array of that size whose content the caller fills.
    void SetSize(int width, int height, bool resizeLayers);

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    CSize GetCanvasSize() const { return {m_width, m_height}; }

    CStippleboxLayerPtrArray* GetLayers() const { return m_layers.get(); }
    CStippleboxPalettePtrArray* GetPalettes() const { return m_palettes.get(); }
    // Puts another layer array in the document's place and returns the old one.
    std::unique_ptr<CStippleboxLayerPtrArray> ExchangeLayers(std::unique_ptr<CStippleboxLayerPtrArray> layers);
    CStippleboxLayer* GetCurrentLayer() const { return m_layers->GetCurrent(); }
    CStippleboxPalette* GetCurrentPalette() const { return m_palettes->GetCurrent(); }

    uint8_t GetLayerDisplayMode() const { return m_layerDisplayMode; }
    void SetLayerDisplayMode(uint8_t mode) { m_layerDisplayMode = mode; }
    uint8_t GetDrawingColor() const { return m_drawingColor; }
    void SetDrawingColor(uint8_t index) { m_drawingColor = index; }
    uint8_t GetBackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(uint8_t index) { m_backgroundColor = index; }
    uint8_t GetDelayUnit() const { return m_delayUnit; }
    void SetDelayUnit(uint8_t unit) { m_delayUnit = unit; }
    bool IsOnionSkin() const { return m_onionSkin; }
    void SetOnionSkin(bool on) { m_onionSkin = on; }

    void WriteChunks(CStippleboxChunkFile& file) override;
    void ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length) override;
    void BeginRead() override;
    std::u16string GetName() const override;

private:
    int32_t m_width = 0;
    int32_t m_height = 0;
    std::unique_ptr<CStippleboxLayerPtrArray> m_layers;
    std::unique_ptr<CStippleboxPalettePtrArray> m_palettes;
    uint8_t m_layerDisplayMode = 0;
    uint8_t m_drawingColor = 0;
    uint8_t m_backgroundColor = 0;
    uint8_t m_delayUnit = kDefaultDelayUnit;
    bool m_onionSkin = false;
};
