#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/stipplebox_file_utility.h"

class CStippleboxChunkSerializer;

// Writes tagged chunks: a 16-bit identifier, a 32-bit payload length and the
// payload. Object chunks nest; their lengths are patched in when they end, so
// the file must be seekable, unless the chunk file is told that it only goes
// forward.
class CStippleboxChunkFile : public CStippleboxFileUtility {
public:
    void BeginChunk(uint16_t identifier);
    void EndChunk();
    void WriteObjectChunk(uint16_t identifier, CStippleboxChunkSerializer& serializer);

    // For a file that cannot go back (a compressing stream): object chunks are
    // measured first and written with their final length, same bytes.
    void SetForwardOnly(bool forwardOnly) { m_forwardOnly = forwardOnly; }
    // The length of the serializer's chunk stream, found by writing it to a
    // file that keeps nothing.
    static uint64_t MeasureChunks(CStippleboxChunkSerializer& serializer);

    void WriteDwordChunk(uint16_t identifier, uint32_t value);
    void WriteByteChunk(uint16_t identifier, uint8_t value);
    void WriteBytesChunk(uint16_t identifier, std::span<const uint8_t> bytes);
    void WriteStringChunk(uint16_t identifier, const std::u16string& text);

    static constexpr uint32_t kHeaderSize = 6;

private:
    // File positions of the length fields of the chunks begun and not ended.
    std::vector<uint64_t> m_openChunks;
    bool m_forwardOnly = false;
};
