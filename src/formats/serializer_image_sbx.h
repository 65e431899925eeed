#pragma once

#include <functional>
#include <string>

#include "formats/serializer.h"

class CFile;

// The document invariant that the rest of the program relies on: both arrays
// hold elements, the canvas size is in range, every layer has the canvas size
// and pixels, every palette its entries, and the current indices point inside.
// False with the reason in error for a document read that breaks it.
bool CheckLoadedDocument(const CStippleboxData& document, std::string& error);

// The native format: keeps everything of a document (all layers and palettes
// with their names, link IDs, delays, triples, colour-space IDs and masks).
class CSerializerImageSbx : public CSerializerImage {
public:
    uint32_t GetFlags() const override;
    bool GetFormat(int index, std::string& label, std::string& extension) const override;
    uint32_t GetStoreFlags() const override;

    // Reads from an open file (a disk file or a memory block), as Read does;
    // the flag is not used, as there is nothing to warn about.
    bool ReadFrom(CFile& file, CStippleboxData* data, bool allowWarnings);

protected:
    // A file that is not a whole, consistent document is refused.
    bool OnRead(const std::filesystem::path& path, CStippleboxData* data, bool allowWarnings) override;
    bool OnWrite(const std::filesystem::path& path, CStippleboxData* data) override;

private:
    // Runs the load step and checks what it read.
    bool ReadChecked(CStippleboxData& data, const std::function<bool(std::string& error)>& load);
};
