#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The run-length code of the layered format's pixel data: a byte that comes
// twice in a row is followed by the length of its run (2..255); any other
// byte stands for itself.
std::vector<uint8_t> EncodeDpxRunLength(std::span<const uint8_t> bytes);

// Fills the whole output; a run never writes beyond it. False when the code
// ends before the output is full.
bool DecodeDpxRunLength(std::span<const uint8_t> code, std::span<uint8_t> output);
