#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/dib_layout.h"

// One frame of a GIF file. Its index bytes, top row first, are either owned
// or only referred to (the animation writer points frames at the layers).
class CGifImageInfo {
public:
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive: the frame is right − left pixels wide
    int bottom = 0;
    std::vector<RGBQUAD> localColorTable;
    bool interlaced = false;
    bool sorted = false;
    uint16_t delay = 0;  // hundredths of a second
    bool transparent = false;
    uint8_t transparentIndex = 0;
    uint8_t disposal = 0;  // 3 bits
    bool userInput = false;

    int GetWidth() const { return right - left; }
    int GetHeight() const { return bottom - top; }

    std::span<const uint8_t> GetPixels() const { return m_pixels; }
    void SetPixels(std::vector<uint8_t> pixels);
    // Refers to bytes that outlive the frame, without copying them.
    void ReferToPixels(std::span<const uint8_t> pixels);

private:
    std::vector<uint8_t> m_ownedPixels;
    std::span<const uint8_t> m_pixels;
};

// One GIF file: the logical screen, the global colour table and the frames.
class CGifInfo {
public:
    enum : int { kVersion87a = 1, kVersion89a = 2 };

    int version = kVersion89a;
    int width = 0;  // 0 by 0: the writer takes the bounding box of the frames
    int height = 0;
    int colorResolution = 0;  // bits; 0: the writer computes it from the tables
    bool sorted = false;
    std::vector<RGBQUAD> globalColorTable;  // blue, green, red, 0
    uint8_t backgroundIndex = 0;
    uint8_t pixelAspect = 0;
    std::vector<std::unique_ptr<CGifImageInfo>> frames;
    std::string comment;
    uint16_t playCount = 0;  // 0 endless, n plays

    CGifImageInfo& AddFrame();
};
