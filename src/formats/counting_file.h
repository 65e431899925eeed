#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/file.h"

// A file that keeps no bytes and only counts them: writing an object through
// it tells the exact length of its output before any memory is spent on it.
class CCountingFile final : public CFile {
public:
    size_t Read(void*, size_t) override { return 0; }
    void Write(const void*, size_t count) override
    {
        m_position += count;
        m_length = std::max(m_length, m_position);
    }
    uint64_t Seek(int64_t offset, SeekOrigin origin) override
    {
        m_position = ResolveSeekTarget(offset, origin, m_position, m_length);
        return m_position;
    }
    uint64_t GetPosition() const override { return m_position; }
    uint64_t GetLength() const override { return m_length; }
    void Commit() override {}
    void Close() override {}

private:
    uint64_t m_position = 0;
    uint64_t m_length = 0;
};
