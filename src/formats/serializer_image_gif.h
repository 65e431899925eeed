#pragma once

#include <filesystem>

#include "formats/serializer_image_file.h"

class CGifInfo;

// GIF files: the first frame is read into a one-layer document; the current
// layer is written as a one-frame GIF; every layer can be exported as the
// frames of an animated GIF.
class CSerializerImageGif : public CSerializerImageFile {
public:
    CSerializerImageGif();

    // Writes all layers as an animated GIF, the backmost layer first, each
    // frame shown for its layer's delay and the animation repeated endlessly.
    bool WriteAnimation(const std::filesystem::path& path, const CStippleboxData* data);
    // The same into an open file, not committed.
    bool WriteAnimationTo(CFile& file, const CStippleboxData* data);

protected:
    bool OnReadFile(CFile& file, CStippleboxData* data, bool allowWarnings) override;
    bool OnWriteFile(CFile& file, CStippleboxData* data) override;

private:
    // The canvas is the screen, or the first frame where the screen cannot
    // hold it; either must fit the canvas limits.
    bool CheckSizes(const CGifInfo& info);
    // The file made of the info into the file; exceptions become the error text.
    bool WriteInfo(CFile& file, CGifInfo& info);
    bool WriteAnimationInfo(CFile& file, const CStippleboxData& data);
};
