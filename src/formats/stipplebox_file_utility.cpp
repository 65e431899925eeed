#include "formats/stipplebox_file_utility.h"

#include <algorithm>

#include "platform/exceptions.h"

CStippleboxFileUtility::~CStippleboxFileUtility()
{
    ReleaseFile();
}

void CStippleboxFileUtility::ReleaseFile()
{
    if (m_ownsFile) {
        delete m_file;
    }
    m_file = nullptr;
    m_ownsFile = false;
}

bool CStippleboxFileUtility::Open(const std::filesystem::path& path, bool forWrite)
{
    if (m_file == nullptr) {
        Attach(new CFile, true);
    }
    return m_file->Open(path, forWrite ? CFile::OpenMode::Write : CFile::OpenMode::Read);
}

void CStippleboxFileUtility::Attach(CFile* file, bool owns)
{
    ReleaseFile();
    m_file = file;
    m_ownsFile = owns;
}

CFile* CStippleboxFileUtility::Detach()
{
    CFile* file = m_file;
    m_file = nullptr;
    m_ownsFile = false;
    return file;
}

void CStippleboxFileUtility::Write(const void* data, size_t count)
{
    m_file->Write(data, count);
}

size_t CStippleboxFileUtility::Read(void* buffer, size_t count, bool exact)
{
    const size_t got = m_file->Read(buffer, count);
    if (exact && got < count) {
        throw CFileException(CFileException::Cause::EndOfFile, m_file->GetPath());
    }
    return got;
}

uint8_t CStippleboxFileUtility::ReadByte()
{
    uint8_t value = 0;
    Read(&value, 1, true);
    return value;
}

uint16_t CStippleboxFileUtility::ReadWord()
{
    uint8_t bytes[2];
    Read(bytes, 2, true);
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t CStippleboxFileUtility::ReadDword()
{
    uint8_t bytes[4];
    Read(bytes, 4, true);
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

void CStippleboxFileUtility::WriteByte(uint32_t value)
{
    const uint8_t byte = static_cast<uint8_t>(value);
    Write(&byte, 1);
}

void CStippleboxFileUtility::WriteWord(uint32_t value)
{
    const uint8_t bytes[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
    Write(bytes, 2);
}

void CStippleboxFileUtility::WriteDword(uint32_t value)
{
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    Write(bytes, 4);
}

void CStippleboxFileUtility::WriteString(const std::u16string& text, bool withLength)
{
    if (withLength) {
        WriteDword(static_cast<uint32_t>(text.size()));
    }
    std::string bytes(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    Write(bytes.data(), bytes.size());
}

std::u16string CStippleboxFileUtility::ReadString(uint32_t count)
{
    if (count == kReadStringCount) {
        count = ReadDword();
    }
    const uint64_t position = GetPosition();
    const uint64_t left = GetLength() > position ? GetLength() - position : 0;
    if (uint64_t{count} * 2 > left) {
        throw CFileException(CFileException::Cause::EndOfFile, m_file->GetPath());
    }
    // The length of a stream that inflates as it is read is only a claim, so
    // the text grows block by block as its bytes actually arrive.
    constexpr size_t kBlockUnits = 32768;
    std::u16string text;
    text.reserve(std::min<size_t>(count, kBlockUnits));
    std::string bytes;
    while (text.size() < count) {
        const size_t units = std::min<size_t>(count - text.size(), kBlockUnits);
        bytes.resize(units * 2);
        Read(bytes.data(), bytes.size(), true);
        for (size_t i = 0; i < units; ++i) {
            text += static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                          (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
        }
    }
    return text;
}
