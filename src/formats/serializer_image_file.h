#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "formats/serializer.h"
#include "platform/file.h"

// A picture format stored as one file of bytes. It opens the file and hands
// it to the format; a written file replaces the target only when the format
// reports success, so a failed save leaves the old file as it was. Reading and
// writing also work on an open file such as a memory block.
class CSerializerImageFile : public CSerializerImage {
public:
    // What a format says about itself and the texts of its open failures.
    struct SDescription {
        std::string label;
        std::string extension;
        uint32_t storeFlags = 0;
        std::string readOpenError;
        std::string writeOpenError;
    };

    // Reads and writes; one format, described at construction.
    uint32_t GetFlags() const override;
    bool GetFormat(int index, std::string& label, std::string& extension) const override;
    uint32_t GetStoreFlags() const override;

    // Reads from an open file (a disk file or a memory block); like Read, it
    // starts with an empty error text.
    bool ReadFrom(CFile& file, CStippleboxData* data, bool allowWarnings);
    // Writes into an open file without committing it; the caller commits.
    bool WriteTo(CFile& file, CStippleboxData* data);

    // Every byte from the file's current position to its end.
    static std::vector<uint8_t> ReadWholeFile(CFile& file);

protected:
    explicit CSerializerImageFile(SDescription description);

    bool OnRead(const std::filesystem::path& path, CStippleboxData* data, bool allowWarnings) final;
    bool OnWrite(const std::filesystem::path& path, CStippleboxData* data) final;

    virtual bool OnReadFile(CFile& file, CStippleboxData* data, bool allowWarnings) = 0;
    virtual bool OnWriteFile(CFile& file, CStippleboxData* data) = 0;

    // Opens the path for writing, runs the writer on it and commits the file
    // when the writer returns true.
    bool WriteCommitted(const std::filesystem::path& path, const std::function<bool(CFile&)>& writer);

private:
    SDescription m_description;
};
