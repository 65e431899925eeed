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
    // Reads from an open file (a disk file or a memory block); like Read, it
    // starts with an empty error text.
    bool ReadFrom(CFile& file, CStippleboxData* data, bool allowWarnings);
    // Writes into an open file without committing it; the caller commits.
    bool WriteTo(CFile& file, CStippleboxData* data);

protected:
    // The texts stored when the file cannot be opened for reading or writing.
    CSerializerImageFile(std::string readOpenError, std::string writeOpenError);

    bool OnRead(const std::filesystem::path& path, CStippleboxData* data, bool allowWarnings) final;
    bool OnWrite(const std::filesystem::path& path, CStippleboxData* data) final;

    virtual bool OnReadFile(CFile& file, CStippleboxData* data, bool allowWarnings) = 0;
    virtual bool OnWriteFile(CFile& file, CStippleboxData* data) = 0;

    // Every byte from the file's current position to its end.
    static std::vector<uint8_t> ReadWholeFile(CFile& file);

    // Opens the path for writing, runs the writer on it and commits the file
    // when the writer returns true.
    bool WriteCommitted(const std::filesystem::path& path, const std::function<bool(CFile&)>& writer);

private:
    std::string m_readOpenError;
    std::string m_writeOpenError;
};
