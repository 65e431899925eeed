#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CStippleboxData;
class CStippleboxChunkSerializer;

// A document whose every stored field holds a value that a faulty writer or
// reader would be likely to lose: random pixels and colours, names with
// non-ASCII text, distinct delays, visibility, link IDs, triples, colour-space
// IDs and masks, and non-default current indices and colours.
std::unique_ptr<CStippleboxData> MakeRichDocument(int width, int height, int layerCount, int paletteCount,
                                                  uint32_t seed);

// The documented small example: 2 × 1 pixels (0x11, 0x22), one layer named
// A, one palette.
std::unique_ptr<CStippleboxData> MakeTwoByOneExample();

// The object's chunk stream, written into memory.
std::vector<uint8_t> WriteChunkStream(CStippleboxChunkSerializer& object);

// Compares every stored field of two documents with gtest expectations.
void ExpectSameStoredContent(const CStippleboxData& expected, const CStippleboxData& actual);
