#include "support/sbx_bytes.h"

#include <zlib.h>

#include <stdexcept>

Bytes SbxIdentifier()
{
    Bytes identifier;
    for (const char c : std::string("Stipplebox2Data")) {
        identifier.push_back(static_cast<uint8_t>(c));
        identifier.push_back(0);
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

Bytes MakeSbxFile(const Bytes& stream, uint32_t storedLength)
{
    return Concat({SbxIdentifier(), Dword(storedLength), Deflated(stream)});
}

Bytes MakeSbxFile(const Bytes& stream)
{
    return MakeSbxFile(stream, static_cast<uint32_t>(stream.size()));
}

std::string AsString(const Bytes& bytes)
{
    return {bytes.begin(), bytes.end()};
}

Bytes AsBytes(const std::string& text)
{
    return {text.begin(), text.end()};
}
