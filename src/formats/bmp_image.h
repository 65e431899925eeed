#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/stipplebox_palette.h"

// The bytes before a bitmap's info header ("BM", file size, reserved, pixel offset).
constexpr size_t kBmpFileHeaderSize = 14;

// A bitmap file taken apart and checked: its size and depth are usable and
// its colour table and pixel rows lie inside the file.
struct SBmpImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;                 // 1, 4 or 8
    std::vector<SPaletteColor> colors;    // the file's colour entries, at most 256
    std::span<const uint8_t> bottomRow;   // the first row stored: the bottom one
    size_t stride = 0;

    // Index bytes of the picture, top row first.
    std::vector<uint8_t> Unpack() const;
};

// Parses a whole file; false with the reason in *error.
bool ParseBmpImage(std::span<const uint8_t> file, SBmpImage& image, std::string* error);
