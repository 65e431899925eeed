#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/file.h"

// Typed little-endian reads and writes on a file object. Write failures and
// short exact reads raise CFileException.
class CStippleboxFileUtility {
public:
    CStippleboxFileUtility() = default;
    virtual ~CStippleboxFileUtility();
    CStippleboxFileUtility(const CStippleboxFileUtility&) = delete;
    CStippleboxFileUtility& operator=(const CStippleboxFileUtility&) = delete;

    // Opens a disk file when none is attached; the utility owns it. Returns
    // false when the file cannot be opened.
    bool Open(const std::filesystem::path& path, bool forWrite);

    void Attach(CFile* file, bool owns);
    CFile* Detach();
    CFile* GetFile() const { return m_file; }

    void Write(const void* data, size_t count);
    // With exact set, fewer bytes than asked raise CFileException (EndOfFile).
    size_t Read(void* buffer, size_t count, bool exact);

    uint8_t ReadByte();
    uint16_t ReadWord();
    uint32_t ReadDword();
    void WriteByte(uint32_t value);
    void WriteWord(uint32_t value);
    void WriteDword(uint32_t value);

    // UTF-16 little-endian code units, no terminator; with withLength a 32-bit
    // count of code units comes first.
    void WriteString(const std::u16string& text, bool withLength);
    static constexpr uint32_t kReadStringCount = 0xFFFFFFFF;
    // Reads count code units, or first a 32-bit count when count is
    // kReadStringCount. A count larger than what is left raises EndOfFile
    // before anything is allocated; otherwise the text grows as its bytes
    // arrive.
    std::u16string ReadString(uint32_t count);

    uint64_t GetPosition() const { return m_file->GetPosition(); }
    uint64_t GetLength() const { return m_file->GetLength(); }
    void SeekTo(uint64_t position) { m_file->Seek(static_cast<int64_t>(position), CFile::SeekOrigin::Begin); }

private:
    void ReleaseFile();

    CFile* m_file = nullptr;
    bool m_ownsFile = false;
};
