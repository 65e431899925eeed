// Every reader meets cut-off files, flipped bytes and headers that lie: each
// must answer with a document or a message, never crash, hang or read out of
// bounds (the tests run under the address and undefined-behaviour sanitizers).
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "formats/byte_reader.h"
#include "formats/gif_file.h"
#include "formats/serializer_image_bmp.h"
#include "formats/serializer_image_dpx.h"
#include "formats/serializer_image_gif.h"
#include "formats/serializer_image_png.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "support/format_test_support.h"

namespace {

struct SFormat {
    const char* name;
    std::unique_ptr<CSerializerImageFile> (*make)();
};

template <class T>
std::unique_ptr<CSerializerImageFile> Make()
{
    return std::make_unique<T>();
}

const SFormat kFormats[] = {
    {"gif", Make<CSerializerImageGif>},
    {"png", Make<CSerializerImagePng>},
    {"bmp", Make<CSerializerImageBmp>},
    {"dpx", Make<CSerializerImageDpx>},
};

// Valid files of the format as our writers make them, small enough to try
// every cut.
std::vector<std::vector<uint8_t>> MakeSamples(const SFormat& format)
{
    std::vector<std::vector<uint8_t>> samples;
    auto serializer = format.make();
    auto noisy = MakeRandomPicture(13, 7, 16, 1);
    auto blocky = MakeBlockyPicture(40, 9, 2);
    blocky->GetLayers()->NewLayer(0, 40, 9)->Fill(3);
    samples.push_back(WriteToBytes(*serializer, *noisy));
    samples.push_back(WriteToBytes(*serializer, *blocky));
    if (std::string(format.name) == "gif") {
        CMemFile file;
        static_cast<CSerializerImageGif&>(*serializer).WriteAnimationTo(file, blocky.get());
        samples.push_back(file.Detach());
    }
    return samples;
}

// Reads the bytes; a refusal must come with a message.
void ExpectCleanOutcome(const SFormat& format, const std::vector<uint8_t>& bytes)
{
    auto serializer = format.make();
    CStippleboxData data;
    try {
        if (!ReadFromBytes(*serializer, bytes, data)) {
            EXPECT_FALSE(serializer->GetErrorText().empty()) << format.name << ": refused without a message";
            return;
        }
    } catch (const CException& exception) {
        EXPECT_FALSE(exception.GetErrorMessage().empty());
        return;
    }
    // A document that was read is complete.
    ASSERT_NE(data.GetLayers(), nullptr);
    ASSERT_TRUE(CSerializerImage::CheckCanvasSize(data.GetWidth(), data.GetHeight(), nullptr));
    for (int i = 0; i < data.GetLayers()->GetSize(); ++i) {
        ASSERT_NE(data.GetLayers()->GetAt(i)->GetPixels(), nullptr);
    }
}

}  // namespace

TEST(HostileInput, EveryCutOfAValidFileIsReadOrRefusedWithAMessage)
{
    for (const SFormat& format : kFormats) {
        for (const std::vector<uint8_t>& sample : MakeSamples(format)) {
            for (size_t length = 0; length < sample.size(); ++length) {
                ExpectCleanOutcome(format, std::vector<uint8_t>(sample.begin(), sample.begin() + length));
            }
        }
    }
}

TEST(HostileInput, FlippedBytesAreReadOrRefusedWithAMessage)
{
    std::mt19937 random(77);
    for (const SFormat& format : kFormats) {
        for (const std::vector<uint8_t>& sample : MakeSamples(format)) {
            for (int round = 0; round < 400; ++round) {
                std::vector<uint8_t> bytes = sample;
                const int flips = 1 + static_cast<int>(random() % 4);
                for (int k = 0; k < flips; ++k) {
                    // Headers are where lies hurt most: aim half the flips there.
                    const size_t span = random() % 2 == 0 ? std::min<size_t>(bytes.size(), 64) : bytes.size();
                    bytes[random() % span] ^= static_cast<uint8_t>(1 + random() % 255);
                }
                ExpectCleanOutcome(format, bytes);
            }
        }
    }
}

TEST(HostileInput, HeadersThatClaimHugeImagesCostNoMemoryTheDataDoesNotFill)
{
    // A GIF frame of 65535 × 65535 pixels with a few bytes of data.
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255,
                                      0x2C, 0, 0, 0, 0, 255, 255, 255, 255, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
    CGifInfo info;
    CGifFile reader;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(reader.Read(gif, info, false));
    EXPECT_EQ(reader.GetErrorText(), "画像のデコードに失敗しました。\n画像データが途中で終わっています。");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    // A frame whose data is only clear codes and one whose sub-blocks never end.
    const std::vector<uint8_t> clears = {'G', 'I', 'F', '8', '7', 'a', 2, 0, 2, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 2, 0, 2,
                                         0, 0, 2, 3, 0x24, 0x49, 0x92, 0, 0x3B};
    EXPECT_FALSE(reader.Read(clears, info, false));
    const std::vector<uint8_t> endless = {'G', 'I', 'F', '8', '7', 'a', 2, 0, 2, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0,
                                          2,   0,   2,   0,   0,   2,   200, 1, 2, 3};
    EXPECT_FALSE(reader.Read(endless, info, false));
    EXPECT_EQ(reader.GetErrorText(), "ファイルが途中で終わっています。");

    // An interlaced frame without pixels (found by fuzzing).
    const std::vector<uint8_t> empty = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255,
                                        0x2C, 0, 0, 0, 0, 0, 0, 5, 0, 0x40, 2, 2, 0x44, 0x01, 0, 0x3B};
    EXPECT_TRUE(reader.Read(empty, info, false)) << reader.GetErrorText();

    // Layer counts and sizes that the bytes cannot back.
    CSerializerImageDpx dpx;
    auto picture = MakeRandomPicture(4, 4, 4, 1);
    std::vector<uint8_t> bytes = WriteToBytes(dpx, *picture);
    StoreDword(&bytes[144], 0xFFFFFFFF);
    bytes.resize(bytes.size() - 8);  // no trailer: the second layer header is missing
    CStippleboxData data;
    EXPECT_THROW(ReadFromBytes(dpx, bytes, data), CFileException);
}
