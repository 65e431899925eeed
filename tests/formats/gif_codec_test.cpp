#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <random>

#include "formats/gif_lzw.h"
#include "formats/gif_vlc.h"

namespace {

// The encoder written the plain way: a tree whose children are searched one
// by one. The fast dictionary must give exactly its bytes.
class CReferenceEncoder {
public:
    std::vector<uint8_t> Encode(const std::vector<uint8_t>& pixels, int size)
    {
        const uint32_t clear = 1u << size;
        uint32_t next = clear + 2;
        int width = size + 1;
        uint32_t limit = 1u << width;
        Reset(clear);
        CGifVLC vlc;
        vlc.Put(clear, width);
        size_t i = 0;
        while (i < pixels.size()) {
            SNode* node = &m_root.children[pixels[i]];
            ++i;
            for (;;) {
                if (i == pixels.size()) {
                    break;
                }
                SNode* child = nullptr;
                for (SNode& candidate : node->children) {
                    if (candidate.value == pixels[i]) {
                        child = &candidate;
                        break;
                    }
                }
                if (child == nullptr) {
                    node->children.push_back({pixels[i], static_cast<uint16_t>(next++), {}});
                    break;
                }
                node = child;
                ++i;
            }
            vlc.Put(node->code, width);
            if (next == 4096) {
                vlc.Put(clear, width);
                Reset(clear);
                next = clear + 2;
                width = size + 1;
                limit = 1u << width;
            } else if (next > limit) {
                ++width;
                limit = 1u << width;
            }
        }
        vlc.Put(clear + 1, width);
        vlc.Flush();
        return vlc.GetOutput();
    }

private:
    struct SNode {
        uint8_t value;
        uint16_t code;
        std::list<SNode> children;
    };

    void Reset(uint32_t clear)
    {
        m_root.children.clear();
        for (uint32_t code = 0; code < clear; ++code) {
            m_root.children.push_back({static_cast<uint8_t>(code), static_cast<uint16_t>(code), {}});
        }
    }

    // The root's children are indexed by their byte, which equals their code.
    struct SRoot {
        std::vector<SNode> children;
    } m_root;
};

std::vector<uint8_t> Encode(const std::vector<uint8_t>& pixels, int size)
{
    CGifLZW lzw;
    CGifVLC vlc;
    lzw.Encode(pixels, size, vlc);
    return vlc.GetOutput();
}

// Pictures that exercise the dictionary: noise, long runs, repeats of short
// patterns, and enough data to fill the dictionary several times.
std::vector<uint8_t> MakePixels(uint32_t seed, int colorBits)
{
    std::mt19937 random(seed);
    const size_t count = 1 + random() % 60000;
    const uint32_t colors = 1u << colorBits;
    std::vector<uint8_t> pixels;
    pixels.reserve(count);
    while (pixels.size() < count) {
        const uint8_t value = static_cast<uint8_t>(random() % colors);
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

// Reads the codes of a stream back with the widths the encoder used.
std::vector<std::pair<uint32_t, int>> ReadCodes(const std::vector<uint8_t>& bytes, int size, size_t count)
{
    CGifVLC vlc;
    vlc.SetInput(bytes);
    const uint32_t clear = 1u << size;
    uint32_t next = clear + 2;
    int width = size + 1;
    std::vector<std::pair<uint32_t, int>> codes;
    uint32_t code = 0;
    while (codes.size() < count && vlc.Get(width, code)) {
        codes.emplace_back(code, width);
        if (code == clear) {
            next = clear + 2;
            width = size + 1;
            continue;
        }
        ++next;
        if (next > (1u << width) && width < 12) {
            ++width;
        }
    }
    return codes;
}

}  // namespace

TEST(GifCodec, TheOnePixelPictureIsClearPixelEndInThreeBits)
{
    EXPECT_EQ(Encode({0}, 2), (std::vector<uint8_t>{0x44, 0x01}));
}

TEST(GifCodec, MinimumCodeSizeHoldsTheLargestIndexAndIsAtLeastTwo)
{
    EXPECT_EQ(CGifLZW::GetMinimumCodeSize(std::vector<uint8_t>{0, 1, 1}), 2);
    EXPECT_EQ(CGifLZW::GetMinimumCodeSize(std::vector<uint8_t>{0}), 2);
    EXPECT_EQ(CGifLZW::GetMinimumCodeSize(std::vector<uint8_t>{4}), 3);
    EXPECT_EQ(CGifLZW::GetMinimumCodeSize(std::vector<uint8_t>{127, 3}), 7);
    EXPECT_EQ(CGifLZW::GetMinimumCodeSize(std::vector<uint8_t>{128}), 8);
    EXPECT_EQ(CGifLZW::GetMinimumCodeSize(std::vector<uint8_t>{255}), 8);
}

TEST(GifCodec, TheFastDictionaryWritesTheBytesOfThePlainTreeAndDecodesBack)
{
    CReferenceEncoder reference;
    for (uint32_t seed = 1; seed <= 120; ++seed) {
        const int colorBits = 1 + seed % 8;
        const std::vector<uint8_t> pixels = MakePixels(seed, colorBits);
        const int size = CGifLZW::GetMinimumCodeSize(pixels);
        const std::vector<uint8_t> bytes = Encode(pixels, size);
        ASSERT_EQ(bytes, reference.Encode(pixels, size)) << "seed " << seed;

        std::vector<uint8_t> decoded;
        ASSERT_EQ(CGifLZW::Decode(bytes, size, pixels.size(), decoded), CGifLZW::EDecodeResult::Complete);
        ASSERT_EQ(decoded, pixels) << "seed " << seed;
    }
}

TEST(GifCodec, RunsOfOneByteAcrossManyDictionariesMatchThePlainTree)
{
    // Only runs: the dictionary fills with strings of repeated bytes and is
    // cleared in the middle of runs.
    CReferenceEncoder reference;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        std::vector<uint8_t> pixels;
        while (pixels.size() < 400000) {
            pixels.insert(pixels.end(), 1 + random() % (seed * 900), static_cast<uint8_t>(random() % (4 << seed)));
        }
        const int size = CGifLZW::GetMinimumCodeSize(pixels);
        const std::vector<uint8_t> bytes = Encode(pixels, size);
        ASSERT_EQ(bytes, reference.Encode(pixels, size)) << "seed " << seed;
        std::vector<uint8_t> decoded;
        ASSERT_EQ(CGifLZW::Decode(bytes, size, pixels.size(), decoded), CGifLZW::EDecodeResult::Complete);
        ASSERT_EQ(decoded, pixels);
    }
}

TEST(GifCodec, AFullDictionaryIsClearedAtTwelveBitsAndStartsAgainNarrow)
{
    // Noise adds an entry for nearly every code: the 3838th code after the
    // first clear fills the dictionary of a size-8 stream.
    std::mt19937 random(5);
    std::vector<uint8_t> pixels(20000);
    for (uint8_t& pixel : pixels) {
        pixel = static_cast<uint8_t>(random());
    }
    const std::vector<uint8_t> bytes = Encode(pixels, 8);
    const auto codes = ReadCodes(bytes, 8, 4000);
    ASSERT_GT(codes.size(), 3842u);
    EXPECT_EQ(codes[0], std::make_pair(256u, 9));
    for (size_t i = 1; i <= 3838; ++i) {
        ASSERT_NE(codes[i].first, 256u) << i;
    }
    EXPECT_EQ(codes[3839], std::make_pair(256u, 12));
    EXPECT_EQ(codes[3840].second, 9);
}

TEST(GifCodec, TheDecoderRefusesCodesNotYetDefined)
{
    // clear, 0, then code 7 while the next free code is 7 (size 2).
    CGifVLC vlc;
    vlc.Put(4, 3);
    vlc.Put(0, 3);
    vlc.Put(7, 3);
    vlc.Flush();
    std::vector<uint8_t> decoded;
    EXPECT_EQ(CGifLZW::Decode(vlc.GetOutput(), 2, 10, decoded), CGifLZW::EDecodeResult::UndefinedCode);

    // A code right after a clear must be a single byte.
    CGifVLC afterClear;
    afterClear.Put(4, 3);
    afterClear.Put(6, 3);
    afterClear.Flush();
    EXPECT_EQ(CGifLZW::Decode(afterClear.GetOutput(), 2, 10, decoded), CGifLZW::EDecodeResult::UndefinedCode);
}

TEST(GifCodec, TheDecoderDropsBytesBeyondThePictureAndReportsShortData)
{
    const std::vector<uint8_t> pixels(1000, 3);
    const std::vector<uint8_t> bytes = Encode(pixels, 2);
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
        const uint8_t value = static_cast<uint8_t>(random() % 4);
        vlc.Put(value, width);
        pixels.push_back(value);
        if (next < 4096) {
            ++next;
        }
        if (next > (1u << width) && width < 12) {
            ++width;
        }
    }
    vlc.Put(5, width);
    vlc.Flush();
    std::vector<uint8_t> decoded;
    EXPECT_EQ(CGifLZW::Decode(vlc.GetOutput(), 2, pixels.size(), decoded), CGifLZW::EDecodeResult::Complete);
    EXPECT_EQ(decoded, pixels);
}
