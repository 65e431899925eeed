#pragma once

#include "formats/serializer.h"

// The native format: keeps everything of a document (all layers and palettes
// with their names, link IDs, delays, triples, colour-space IDs and masks).
class CSerializerImageSbx : public CSerializerImage {
public:
    uint32_t GetFlags() const override;
    bool GetFormat(int index, std::string& label, std::string& extension) const override;
    uint32_t GetStoreFlags() const override;

protected:
    // A file that is not a whole, consistent document is refused.
    bool OnRead(const std::filesystem::path& path, CStippleboxData* data, bool allowWarnings) override;
    bool OnWrite(const std::filesystem::path& path, CStippleboxData* data) override;
};
