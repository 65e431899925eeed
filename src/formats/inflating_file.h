#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/file.h"

struct z_stream_s;

// The inflated content of a zlib stream, read from another file, as a
// read-only file of the length the caller expects. Bytes are inflated as they
// are read, straight into the reader's buffer, so nothing is allocated for the
// content ahead of the data that actually arrives. Seeking goes forward only.
//
// Data that does not inflate, a stream that ends before the expected length
// and input that runs out raise CDataFormatException with the message for a
// failed expansion; read errors of the source file propagate.
class CInflatingFile final : public CFile {
public:
    static constexpr size_t kInputBlockSize = 10240;

    CInflatingFile(CFile& source, uint64_t length);
    ~CInflatingFile() override;

    // Sets zlib up; false when it cannot be initialised.
    bool Initialize();

    // Returns fewer bytes than asked only at the expected length.
    size_t Read(void* buffer, size_t count) override;
    void Write(const void* data, size_t count) override;
    // Only within the stream and not backwards; skipping inflates the bytes.
    uint64_t Seek(int64_t offset, SeekOrigin origin) override;
    uint64_t GetPosition() const override { return m_position; }
    uint64_t GetLength() const override { return m_length; }
    void Commit() override {}
    void Close() override {}

    // Inflates what is left up to the expected length and checks that the
    // stream ends exactly there, its checksum included.
    void Finish();

private:
    // Inflates exactly count bytes into out.
    void InflateInto(uint8_t* out, size_t count);
    void RefillInput();

    CFile& m_source;
    std::unique_ptr<z_stream_s> m_stream;
    bool m_initialized = false;
    bool m_streamEnded = false;
    std::vector<uint8_t> m_input;
    uint64_t m_length;
    uint64_t m_position = 0;
};
