#include <gtest/gtest.h>

#include <map>
#include <random>

#include "formats/gif_lzw.h"
#include "formats/gif_vlc.h"

namespace {

// The encoder written the plain way, over an ordered map of (prefix, byte) to
// code, clearing the dictionary when it is full at 12 bits. The fast
// dictionary and its run shortcut must give exactly its bytes.
std::vector<uint8_t> ReferenceEncode(const std::vector<uint8_t>& pixels, int size)
{
    const uint32_t clear = 1u << size;
    std::map<std::pair<uint32_t, uint8_t>, uint32_t> table;
    uint32_t next = clear + 2;
    int width = size + 1;
    CGifVLC vlc;
    vlc.Put(clear, width);
    size_t i = 0;
    while (i < pixels.size()) {
        uint32_t code = pixels[i++];
        for (; i < pixels.size(); ++i) {
            const auto found = table.find({code, pixels[i]});
            if (found == table.end()) {
                table[{code, pixels[i]}] = next++;
                break;
            }
            code = found->second;
        }
        vlc.Put(code, width);
        if (next == 4096) {
            vlc.Put(clear, width);
            table.clear();
            next = clear + 2;
            width = size + 1;
        } else if (next > (1u << width)) {
            ++width;
        }
    }
    vlc.Put(clear + 1, width);
    vlc.Flush();
    return vlc.GetOutput();
}

std::vector<uint8_t> Encode(const std::vector<uint8_t>& pixels, int size)
{
    CGifLZW lzw;
    CGifVLC vlc;
    lzw.Encode(pixels, size, vlc);
    return vlc.GetOutput();
}

// A code stream of (code, width) pairs, flushed.
std::vector<uint8_t> Codes(std::initializer_list<std::pair<uint32_t, int>> codes)
{
    CGifVLC vlc;
    for (const auto& [code, width] : codes) {
        vlc.Put(code, width);
    }
    vlc.Flush();
    return vlc.GetOutput();
}

// Pictures that exercise the dictionary: noise, long runs, repeats of short
// patterns, and enough data to fill the dictionary several times.
std::vector<uint8_t> MakePixels(uint32_t seed, int colorBits)
{
    std::mt19937 random(seed);
    const size_t count = 1 + random() % 60000;
    std::vector<uint8_t> pixels;
    while (pixels.size() < count) {
        const uint8_t value = static_cast<uint8_t>(random() % (1u << colorBits));
        switch (random() % 3) {
        case 0:
            pixels.push_back(value);
            break;
        case 1:
            pixels.insert(pixels.end(), 1 + random() % 700, value);
            break;
        default: {
            const size_t start = pixels.empty() ? 0 : random() % pixels.size();
            const size_t length = std::min<size_t>(1 + random() % 40, pixels.size() - start);
            for (size_t k = 0; k < length; ++k) {
                pixels.push_back(pixels[start + k]);
            }
        }
        }
    }
    pixels.resize(count);
    return pixels;
}

// Only runs: the dictionary fills with strings of repeated bytes and is
// cleared in the middle of runs.
std::vector<uint8_t> MakeRuns(uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> pixels;
    while (pixels.size() < 400000) {
        pixels.insert(pixels.end(), 1 + random() % (seed * 900), static_cast<uint8_t>(random() % (4 << seed)));
    }
    return pixels;
}

}  // namespace

TEST(GifCodec, MinimumCodeSizeHoldsTheLargestIndexAndIsAtLeastTwo)
{
    const std::pair<std::vector<uint8_t>, int> kCases[] = {{{0, 1, 1}, 2}, {{0}, 2},   {{4}, 3},
                                                           {{127, 3}, 7},  {{128}, 8}, {{255}, 8}};
    for (const auto& [pixels, size] : kCases) {
        EXPECT_EQ(CGifLZW::GetMinimumCodeSize(pixels), size) << int(pixels[0]);
    }
}

TEST(GifCodec, TheFastDictionaryWritesTheBytesOfThePlainEncoderAndDecodesBack)
{
    std::vector<std::pair<std::string, std::vector<uint8_t>>> pictures;
    for (uint32_t seed = 1; seed <= 120; ++seed) {
        pictures.emplace_back("mixed " + std::to_string(seed), MakePixels(seed, 1 + seed % 8));
    }
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        pictures.emplace_back("runs " + std::to_string(seed), MakeRuns(seed));
    }
    for (const auto& [name, pixels] : pictures) {
        const int size = CGifLZW::GetMinimumCodeSize(pixels);
        const std::vector<uint8_t> bytes = Encode(pixels, size);
        ASSERT_EQ(bytes, ReferenceEncode(pixels, size)) << name;
        std::vector<uint8_t> decoded;
        ASSERT_EQ(CGifLZW::Decode(bytes, size, pixels.size(), decoded), CGifLZW::EDecodeResult::Complete) << name;
        ASSERT_EQ(decoded, pixels) << name;
    }
}

TEST(GifCodec, TheDecoderRefusesCodesNotYetDefined)
{
    std::vector<uint8_t> decoded;
    // clear, 0, then code 7 while the next free code is 7 (size 2).
    EXPECT_EQ(CGifLZW::Decode(Codes({{4, 3}, {0, 3}, {7, 3}}), 2, 10, decoded), CGifLZW::EDecodeResult::UndefinedCode);
    // A code right after a clear must be a single byte.
    EXPECT_EQ(CGifLZW::Decode(Codes({{4, 3}, {6, 3}}), 2, 10, decoded), CGifLZW::EDecodeResult::UndefinedCode);
}

TEST(GifCodec, TheDecoderDropsBytesBeyondThePictureAndReportsShortData)
{
    const std::vector<uint8_t> bytes = Encode(std::vector<uint8_t>(1000, 3), 2);
    std::vector<uint8_t> decoded;
    EXPECT_EQ(CGifLZW::Decode(bytes, 2, 999, decoded), CGifLZW::EDecodeResult::Complete);
    EXPECT_EQ(decoded, std::vector<uint8_t>(999, 3));
    EXPECT_EQ(CGifLZW::Decode(bytes, 2, 1001, decoded), CGifLZW::EDecodeResult::Incomplete);
    const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + bytes.size() / 2);
    EXPECT_EQ(CGifLZW::Decode(cut, 2, 1000, decoded), CGifLZW::EDecodeResult::Incomplete);
    EXPECT_LT(decoded.size(), 1000u);
}

TEST(GifCodec, TheDecoderKeepsDecodingAFullTableWithoutAClear)
{
    // Encoders may go on with 12-bit codes once the table is full; the
    // decoder stops adding entries but every defined code stays valid.
    std::vector<uint8_t> pixels;
    CGifVLC vlc;
    vlc.Put(4, 3);
    uint32_t next = 6;
    int width = 3;
    std::mt19937 random(9);
    while (pixels.size() < 4300) {
        pixels.push_back(static_cast<uint8_t>(random() % 4));
        vlc.Put(pixels.back(), width);
        next = std::min(next + 1, 4096u);
        width += next > (1u << width) && width < 12;
    }
    vlc.Put(5, width);
    vlc.Flush();
    std::vector<uint8_t> decoded;
    EXPECT_EQ(CGifLZW::Decode(vlc.GetOutput(), 2, pixels.size(), decoded), CGifLZW::EDecodeResult::Complete);
    EXPECT_EQ(decoded, pixels);
}
