#include "support/chunk_bytes.h"

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
