#pragma once

#include <cstdint>
#include <memory>

#include "platform/file.h"

struct z_stream_s;

// Compresses everything written to it, as one zlib stream at the default
// level, into another file. Written bytes go to zlib straight from the
// writer's buffer, so nothing is held for the whole stream. The file only
// goes forward: it cannot be read and cannot seek back.
//
// Should zlib refuse, compressing stops and Finish reports it.
class CDeflatingFile final : public CFile {
public:
    static constexpr size_t kOutputBlockSize = 10240;

    explicit CDeflatingFile(CFile& target);
    ~CDeflatingFile() override;

    // Sets zlib up; false when it cannot be initialised.
    bool Initialize();

    size_t Read(void* buffer, size_t count) override;
    void Write(const void* data, size_t count) override;
    // Only to where the file already stands.
    uint64_t Seek(int64_t offset, SeekOrigin origin) override;
    uint64_t GetPosition() const override { return m_length; }
    uint64_t GetLength() const override { return m_length; }
    void Commit() override {}
    void Close() override {}

    // Ends the stream; false when zlib failed on the way.
    bool Finish();

private:
    // Runs deflate over the pending input, writing each filled output block.
    void Deflate(int flush);

    CFile& m_target;
    std::unique_ptr<z_stream_s> m_stream;
    bool m_initialized = false;
    bool m_failed = false;
    uint64_t m_length = 0;
};
