#include "support/chunk_bytes.h"

#include <zlib.h>

#include <stdexcept>

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Bytes Chunk(uint16_t identifier, const Bytes& payload)
{
    const auto n = static_cast<uint32_t>(payload.size());
    return Concat({{static_cast<uint8_t>(identifier), static_cast<uint8_t>(identifier >> 8), static_cast<uint8_t>(n),
                    static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 24)},
                   payload});
}

Bytes Dword(uint32_t value)
{
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
            static_cast<uint8_t>(value >> 24)};
}

Bytes SbxIdentifier()
{
    Bytes identifier;
    for (const char c : std::string("Stipplebox2Data")) {
        identifier.insert(identifier.end(), {static_cast<uint8_t>(c), 0});
    }
    return identifier;
}

Bytes Deflated(const Bytes& stream)
{
    uLongf size = compressBound(stream.size());
    Bytes packed(size);
    if (compress2(packed.data(), &size, stream.data(), stream.size(), Z_DEFAULT_COMPRESSION) != Z_OK) {
        throw std::runtime_error("compress2 failed");
    }
    packed.resize(size);
    return packed;
}

Bytes MakeSbxFile(const Bytes& stream)
{
    return MakeSbxFile(stream, static_cast<uint32_t>(stream.size()));
}

Bytes MakeSbxFile(const Bytes& stream, uint32_t storedLength)
{
    return Concat({SbxIdentifier(), Dword(storedLength), Deflated(stream)});
}
