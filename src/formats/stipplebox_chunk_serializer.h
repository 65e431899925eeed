#pragma once

#include <cstdint>
#include <string>

class CStippleboxChunkFile;

// Base of every object that stores itself as a sequence of chunks.
class CStippleboxChunkSerializer {
public:
    virtual ~CStippleboxChunkSerializer() = default;

    // Writes the object's chunks at the current position.
    virtual void WriteChunks(CStippleboxChunkFile& file);
    // Handles one chunk whose header has just been read; the file stands at
    // the payload, and length never reaches past the enclosing payload.
    // Unknown identifiers are ignored.
    virtual void ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length);
    // Called once before the object's chunks are read.
    virtual void BeginRead();
    // Called after a whole file was read into the top object.
    virtual void EndRead();
    // The identifier written at the start of a native file.
    virtual std::u16string GetName() const;

    // Reads the chunk sequence that fills length bytes from the current
    // position. A chunk whose length runs past the end is handed over cut to
    // the end and ends the sequence; afterwards the file stands at the end.
    // Nothing is read or sought outside the sequence, nor past the stream.
    void ReadChunks(CStippleboxChunkFile& file, uint64_t length);

protected:
    // Payload readers for ReadChunk that refuse a payload too short for the
    // value (CDataFormatException) instead of reading into the next chunk.
    static uint32_t ReadDwordPayload(CStippleboxChunkFile& file, uint32_t length);
    static uint8_t ReadBytePayload(CStippleboxChunkFile& file, uint32_t length);
};
