#pragma once

#include "formats/serializer_image_file.h"

// Windows and OS/2 bitmaps of 1, 4 or 8 bits per pixel are read into a
// one-layer document; the current layer is written as an uncompressed 8-bit
// bitmap with the whole current palette.
class CSerializerImageBmp : public CSerializerImageFile {
public:
    CSerializerImageBmp();

protected:
    bool OnReadFile(CFile& file, CStippleboxData* data, bool allowWarnings) override;
    bool OnWriteFile(CFile& file, CStippleboxData* data) override;
};
