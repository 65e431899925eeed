#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

// A file of bytes. The base class is a file on disk; CMemFile keeps its bytes
// in memory. Read and write failures raise CFileException.
//
// Writing never touches the target until the data is complete: a file opened
// for writing collects its bytes in a temporary file beside the target, and
// Commit() flushes it to disk and renames it over the target. A file closed or
// destroyed without Commit() removes the temporary file, so a failed save
// leaves the old file as it was.
class CFile {
public:
    enum class OpenMode {
        Read,   // existing file, read access, no other process may lock it meanwhile
        Write,  // new contents for the path, committed by Commit()
    };
    enum class SeekOrigin { Begin, Current, End };

    CFile() = default;
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Returns false (and the errno value in *osError when given) when the file
    // cannot be opened; throws nothing.
    bool Open(const std::filesystem::path& path, OpenMode mode, int* osError = nullptr);

    // Returns the number of bytes read, fewer than asked at the end of the file.
    virtual size_t Read(void* buffer, size_t count);
    virtual void Write(const void* data, size_t count);
    virtual uint64_t Seek(int64_t offset, SeekOrigin origin);
    virtual uint64_t GetPosition() const;
    virtual uint64_t GetLength() const;

    // Makes the written bytes the content of the path (write mode only).
    virtual void Commit();
    // Closes the file; uncommitted writes are discarded.
    virtual void Close();

    bool IsOpen() const { return m_fd >= 0; }
    const std::filesystem::path& GetPath() const { return m_path; }

protected:
    // The position a seek asks for, from the file's current position and
    // length; a target before the start raises CFileException (BadSeek).
    static uint64_t ResolveSeekTarget(int64_t offset, SeekOrigin origin, uint64_t position, uint64_t length);

private:
    [[noreturn]] void ThrowErrno(int error) const;

    int m_fd = -1;
    OpenMode m_mode = OpenMode::Read;
    std::filesystem::path m_path;
    std::filesystem::path m_temporaryPath;
};

// A file held in memory. It either owns a growable buffer (the default) or is
// attached to a caller's block, which it reads and overwrites in place but
// never reallocates or frees.
class CMemFile : public CFile {
public:
    explicit CMemFile(size_t growBytes = 1024);
    // Attaches to an existing block without copying it.
    CMemFile(std::span<uint8_t> block);

    size_t Read(void* buffer, size_t count) override;
    void Write(const void* data, size_t count) override;
    uint64_t Seek(int64_t offset, SeekOrigin origin) override;
    uint64_t GetPosition() const override { return m_position; }
    uint64_t GetLength() const override { return m_length; }
    void Commit() override {}
    void Close() override {}

    // Gives up the owned buffer, trimmed to the file's length, and leaves the
    // file empty. Not available for an attached block.
    std::vector<uint8_t> Detach();

    std::span<const uint8_t> GetData() const { return {Data(), m_length}; }

private:
    uint8_t* Data();
    const uint8_t* Data() const;
    void Reserve(uint64_t size);

    size_t m_growBytes;
    std::vector<uint8_t> m_owned;
    std::span<uint8_t> m_attached;
    bool m_isAttached = false;
    uint64_t m_length = 0;
    uint64_t m_position = 0;
};
