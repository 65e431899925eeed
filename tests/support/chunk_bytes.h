#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

// Builders for hand-made chunk streams.
using Bytes = std::vector<uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts);
// A chunk: 16-bit identifier, 32-bit payload length, payload.
Bytes Chunk(uint16_t identifier, const Bytes& payload);
Bytes Dword(uint32_t value);
