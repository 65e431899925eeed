#pragma once

#include "formats/serializer_image_file.h"

// The layered format of another pixel editor: every layer with its name,
// delay and visibility, the current palette with its colour masks, and the
// background colour as the layers' transparent index.
class CSerializerImageDpx : public CSerializerImageFile {
public:
    CSerializerImageDpx();

protected:
    // A file that ends inside a header or the pixel data raises CFileException
    // (end of file), which the caller reports.
    bool OnReadFile(CFile& file, CStippleboxData* data, bool allowWarnings) override;
    bool OnWriteFile(CFile& file, CStippleboxData* data) override;
};
