#pragma once

#include <cstdint>
#include <span>
#include <vector>

class CStippleboxPalette;

// The snapshot form of a palette's entries, 11 bytes an entry: all colours,
// then all channel triples, colour-space IDs and mask flags, each copied as
// the palette holds it.
constexpr size_t kPaletteBlockBytesPerEntry = 11;

// Appends the block of the palette's entries.
void AppendPaletteBlock(std::vector<uint8_t>& block, const CStippleboxPalette& palette);
// Sets the palette's entries from a block of `entries` entries. Entries
// beyond either count are left as they are.
void ReadPaletteBlock(std::span<const uint8_t> block, int entries, CStippleboxPalette& palette);
