#include "formats/deflating_file.h"

#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <limits>

#include "platform/exceptions.h"

CDeflatingFile::CDeflatingFile(CFile& target) : m_target(target), m_stream(std::make_unique<z_stream>()) {}

CDeflatingFile::~CDeflatingFile()
{
    if (m_initialized) {
        deflateEnd(m_stream.get());
    }
}

bool CDeflatingFile::Initialize()
{
    m_initialized = deflateInit(m_stream.get(), Z_DEFAULT_COMPRESSION) == Z_OK;
    return m_initialized;
}

size_t CDeflatingFile::Read(void*, size_t)
{
    throw CFileException(CFileException::Cause::AccessDenied, m_target.GetPath());
}

void CDeflatingFile::Write(const void* data, size_t count)
{
    const auto* bytes = static_cast<const uint8_t*>(data);
    m_length += count;
    while (count > 0 && !m_failed) {
        const auto piece = static_cast<uInt>(std::min<size_t>(count, std::numeric_limits<uInt>::max()));
        m_stream->next_in = bytes;
        m_stream->avail_in = piece;
        Deflate(Z_NO_FLUSH);
        bytes += piece;
        count -= piece;
    }
}

uint64_t CDeflatingFile::Seek(int64_t offset, SeekOrigin origin)
{
    if (ResolveSeekTarget(offset, origin, m_length, m_length) != m_length) {
        throw CFileException(CFileException::Cause::BadSeek, m_target.GetPath());
    }
    return m_length;
}

bool CDeflatingFile::Finish()
{
    if (!m_failed) {
        m_stream->next_in = nullptr;
        m_stream->avail_in = 0;
        Deflate(Z_FINISH);
    }
    return !m_failed;
}

void CDeflatingFile::Deflate(int flush)
{
    uint8_t block[kOutputBlockSize];
    for (;;) {
        m_stream->next_out = block;
        m_stream->avail_out = sizeof block;
        const int result = deflate(m_stream.get(), flush);
        if (result != Z_OK && result != Z_STREAM_END) {
            m_failed = true;
            return;
        }
        const size_t produced = sizeof block - m_stream->avail_out;
        if (produced > 0) {
            m_target.Write(block, produced);
        }
        // Deflate has taken all input (and, when finishing, ended the stream)
        // once it leaves output space unused.
        if (result == Z_STREAM_END || (flush == Z_NO_FLUSH && m_stream->avail_out > 0)) {
            return;
        }
    }
}
