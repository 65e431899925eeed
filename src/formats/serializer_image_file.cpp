#include "formats/serializer_image_file.h"

CSerializerImageFile::CSerializerImageFile(SDescription description) : m_description(std::move(description)) {}

uint32_t CSerializerImageFile::GetFlags() const
{
    return kCanRead | kCanWrite;
}

bool CSerializerImageFile::GetFormat(int index, std::string& label, std::string& extension) const
{
    if (index != 0) {
        return false;
    }
    label = m_description.label;
    extension = m_description.extension;
    return true;
}

uint32_t CSerializerImageFile::GetStoreFlags() const
{
    return m_description.storeFlags;
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
        SetErrorText(m_description.readOpenError);
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
        SetErrorText(m_description.writeOpenError);
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
