#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Builders for hand-made chunk streams and native files.
using Bytes = std::vector<uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts);
// A chunk: 16-bit identifier, 32-bit payload length, payload.
Bytes Chunk(uint16_t identifier, const Bytes& payload);
Bytes Dword(uint32_t value);

// A native file: the identifier, the stored length (by default the stream's)
// and the stream deflated by zlib's own compress2 at the default level.
Bytes SbxIdentifier();
Bytes Deflated(const Bytes& stream);
Bytes MakeSbxFile(const Bytes& stream);
Bytes MakeSbxFile(const Bytes& stream, uint32_t storedLength);

inline std::string AsString(const Bytes& bytes)
{
    return {bytes.begin(), bytes.end()};
}
