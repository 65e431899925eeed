#include "formats/serializer_image_file.h"

CSerializerImageFile::CSerializerImageFile(std::string readOpenError, std::string writeOpenError)
    : m_readOpenError(std::move(readOpenError)), m_writeOpenError(std::move(writeOpenError))
{
}

bool CSerializerImageFile::ReadFrom(CFile& file, CStippleboxData* data, bool allowWarnings)
{
    ClearErrorText();
    return OnReadFile(file, data, allowWarnings);
}

bool CSerializerImageFile::WriteTo(CFile& file, CStippleboxData* data)
{
    ClearErrorText();
    return OnWriteFile(file, data);
}

bool CSerializerImageFile::OnRead(const std::filesystem::path& path, CStippleboxData* data, bool allowWarnings)
{
    CFile file;
    if (!file.Open(path, CFile::OpenMode::Read)) {
        SetErrorText(m_readOpenError);
        return false;
    }
    return OnReadFile(file, data, allowWarnings);
}

bool CSerializerImageFile::OnWrite(const std::filesystem::path& path, CStippleboxData* data)
{
    return WriteCommitted(path, [&](CFile& file) { return OnWriteFile(file, data); });
}

bool CSerializerImageFile::WriteCommitted(const std::filesystem::path& path,
                                          const std::function<bool(CFile&)>& writer)
{
    CFile file;
    if (!file.Open(path, CFile::OpenMode::Write)) {
        SetErrorText(m_writeOpenError);
        return false;
    }
    if (!writer(file)) {
        return false;  // closing without Commit discards the temporary file
    }
    file.Commit();
    return true;
}

std::vector<uint8_t> CSerializerImageFile::ReadWholeFile(CFile& file)
{
    const uint64_t position = file.GetPosition();
    const uint64_t length = file.GetLength();
    std::vector<uint8_t> bytes(length > position ? length - position : 0);
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return bytes;
}
