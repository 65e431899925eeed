#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "formats/serializer.h"
#include "model/geometry.h"

class CFile;
class CGifInfo;

// Reads every frame of an animated GIF as a layer of the screen's size, the
// first frame backmost, each with its delay, as a viewer shows the animation:
// disposal methods applied, transparent pixels showing what lies beneath.
// The palette is the global colour table (or the first frame's own); frames
// with other colours are mapped to the palette's nearest entries, and the
// user is told so once. The frames' transparent index, when they have one,
// becomes the document's background index, the layers' transparent one.
class CSerializerImageGifLayers final : public CSerializerImage {
public:
    // Longer animations are refused before any frame is decoded.
    static constexpr size_t kMaxFrames = 1000;
    static constexpr uint64_t kMaxLayerBytes = uint64_t{256} << 20;

    uint32_t GetFlags() const override;
    bool GetFormat(int index, std::string& label, std::string& extension) const override;

    // Reads from an open file (a disk file or a memory block).
    bool ReadFrom(CFile& file, CStippleboxData* data, bool allowWarnings);

protected:
    bool OnRead(const std::filesystem::path& path, CStippleboxData* data, bool allowWarnings) override;

private:
    // The frames' places and sizes, nothing decoded; false for an animation
    // the editor will not hold.
    bool ReadLayout(std::span<const uint8_t> bytes, CGifInfo& layout, CSize& canvas);
    // Decodes frame after frame into the layers of the document.
    bool ReadFrames(std::span<const uint8_t> bytes, const CGifInfo& layout, CSize canvas, CStippleboxData& data,
                    bool allowWarnings);
    bool Fail(std::string text);
};
