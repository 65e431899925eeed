#include "formats/inflating_file.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

#include "platform/exceptions.h"

namespace {

[[noreturn]] void ThrowExpansionFailed()
{
    throw CDataFormatException("圧縮データ展開中にエラーが発生しました。");
}

}  // namespace

CInflatingFile::CInflatingFile(CFile& source, uint64_t length)
    : m_source(source), m_stream(std::make_unique<z_stream>()), m_length(length)
{
}

CInflatingFile::~CInflatingFile()
{
    if (m_initialized) {
        inflateEnd(m_stream.get());
    }
}

bool CInflatingFile::Initialize()
{
    m_initialized = inflateInit(m_stream.get()) == Z_OK;
    return m_initialized;
}

size_t CInflatingFile::Read(void* buffer, size_t count)
{
    const size_t available = static_cast<size_t>(std::min<uint64_t>(count, m_length - m_position));
    InflateInto(static_cast<uint8_t*>(buffer), available);
    m_position += available;
    return available;
}

void CInflatingFile::Write(const void*, size_t)
{
    throw CFileException(CFileException::Cause::AccessDenied, m_source.GetPath());
}

uint64_t CInflatingFile::Seek(int64_t offset, SeekOrigin origin)
{
    const uint64_t target = ResolveSeekTarget(offset, origin, m_position, m_length);
    if (target < m_position || target > m_length) {
        throw CFileException(CFileException::Cause::BadSeek, m_source.GetPath());
    }
    uint8_t skipped[4096];
    while (m_position < target) {
        Read(skipped, static_cast<size_t>(std::min<uint64_t>(sizeof skipped, target - m_position)));
    }
    return m_position;
}

void CInflatingFile::Finish()
{
    Seek(0, SeekOrigin::End);
    uint8_t extra = 0;
    while (!m_streamEnded) {
        if (m_stream->avail_in == 0) {
            RefillInput();
        }
        m_stream->next_out = &extra;
        m_stream->avail_out = 1;
        const int result = inflate(m_stream.get(), Z_NO_FLUSH);
        if (m_stream->avail_out == 0) {
            ThrowExpansionFailed();  // more data than the stored length
        }
        if (result == Z_STREAM_END) {
            m_streamEnded = true;
        } else if (result != Z_OK) {
            ThrowExpansionFailed();
        }
    }
}

void CInflatingFile::InflateInto(uint8_t* out, size_t count)
{
    while (count > 0) {
        if (m_streamEnded) {
            ThrowExpansionFailed();  // less data than the stored length
        }
        if (m_stream->avail_in == 0) {
            RefillInput();
        }
        const auto room = static_cast<uInt>(std::min<size_t>(count, std::numeric_limits<uInt>::max()));
        m_stream->next_out = out;
        m_stream->avail_out = room;
        // Z_OK always means progress, and input that has run out gives
        // Z_BUF_ERROR, so this loop cannot spin.
        const int result = inflate(m_stream.get(), Z_NO_FLUSH);
        const size_t produced = room - m_stream->avail_out;
        out += produced;
        count -= produced;
        if (result == Z_STREAM_END) {
            m_streamEnded = true;
        } else if (result != Z_OK) {
            ThrowExpansionFailed();
        }
    }
}

void CInflatingFile::RefillInput()
{
    m_input.resize(kInputBlockSize);
    // A short read is the end of the file; inflate tells whether that was early.
    const size_t got = m_source.Read(m_input.data(), m_input.size());
    m_stream->next_in = m_input.data();
    m_stream->avail_in = static_cast<uInt>(got);
}
