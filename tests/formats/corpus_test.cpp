// Walks the shared corpus of image files from public test suites: every file
// marked `load` opens with the listed size, colour table and indices, every
// file marked `refuse` is refused with a message, and nothing crashes.
#include <gtest/gtest.h>
#include <nettle/sha2.h>

#include <fstream>
#include <sstream>

#include "formats/bmp_image.h"
#include "formats/gif_file.h"
#include "formats/serializer_image_png.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "support/format_test_support.h"
#include "support/scratch_directory.h"

namespace {

const std::filesystem::path kCorpus = std::filesystem::path(STIPPLEBOX_SHARED_DIR) / "corpus";

struct SEntry {
    std::string path;
    std::string expected;
    int width = -1;
    int height = -1;
    int paletteEntries = -1;
    std::string indexHash;
};

int ParseOptional(const std::string& field)
{
    return field.empty() ? -1 : std::stoi(field);
}

std::vector<SEntry> LoadManifest()
{
    std::ifstream in(kCorpus / "MANIFEST.tsv");
    std::vector<SEntry> entries;
    std::string line;
    std::getline(in, line);  // the header row
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream stream(line);
        std::string field;
        while (std::getline(stream, field, '\t')) {
            fields.push_back(field);
        }
        fields.resize(7);
        entries.push_back({fields[0], fields[2], ParseOptional(fields[3]), ParseOptional(fields[4]),
                           ParseOptional(fields[5]), fields[6]});
    }
    return entries;
}

// The number of colour entries the file supplies, as each format's reader
// sees it.
class CPaletteCountingSink : public CSerializerImagePng::CImageStippleboxData {
public:
    using CImageStippleboxData::CImageStippleboxData;
    void SetPalette(const png_color_struct* entries, int count) override
    {
        m_count = count;
        CImageStippleboxData::SetPalette(entries, count);
    }
    int m_count = 0;
};

int CountPaletteEntries(const SEntry& entry)
{
    const std::filesystem::path path = kCorpus / entry.path;
    const std::string extension = path.extension().string();
    if (extension == ".png") {
        CStippleboxData data;
        CPaletteCountingSink sink(&data);
        CFile file;
        std::string error;
        return file.Open(path, CFile::OpenMode::Read) && CSerializerImagePng::ReadImage(file, sink, &error)
                   ? sink.m_count
                   : -1;
    }
    const std::vector<uint8_t> bytes = AsBytes(ReadFileBytes(path));
    if (extension == ".gif") {
        CGifFile gif;
        gif.SetDecodedFrameLimit(1);
        CGifInfo info;
        if (!gif.Read(bytes, info, false)) {
            return -1;
        }
        const auto& local = info.frames.front()->localColorTable;
        return static_cast<int>(!local.empty() ? local.size() : info.globalColorTable.size());
    }
    SBmpImage image;
    std::string error;
    return ParseBmpImage(bytes, image, &error) ? static_cast<int>(image.colors.size()) : -1;
}

SReadOutcome ReadEntry(const SEntry& entry, CStippleboxData& data)
{
    CSerializerImage& format = FormatFor(kCorpus / entry.path);
    try {
        const bool loaded = format.Read(kCorpus / entry.path, &data, false);
        return {loaded, format.GetErrorText()};
    } catch (const CException& exception) {
        return {false, exception.GetErrorMessage()};
    }
}

// The SHA-256 of the index bytes, top row first, in hexadecimal.
std::string IndexHash(const CStippleboxData& data)
{
    const CStippleboxLayer& layer = *data.GetCurrentLayer();
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, size_t(layer.GetWidth()) * size_t(layer.GetHeight()), layer.GetPixels());
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, sizeof digest, digest);
    std::string hex;
    for (const uint8_t byte : digest) {
        hex += {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
    }
    return hex;
}

}  // namespace

TEST(Corpus, EveryFileGivesItsListedOutcome)
{
    const std::vector<SEntry> entries = LoadManifest();
    ASSERT_GT(entries.size(), 600u) << "the corpus manifest is missing";
    int loads = 0;
    int refusals = 0;
    for (const SEntry& entry : entries) {
        SCOPED_TRACE(entry.path);
        CStippleboxData data;
        const SReadOutcome outcome = ReadEntry(entry, data);
        if (entry.expected == "refuse") {
            EXPECT_FALSE(outcome.ok);
        } else if (entry.expected == "load") {
            EXPECT_TRUE(outcome.ok) << outcome.error;
        }
        if (!outcome.ok) {
            EXPECT_FALSE(outcome.error.empty()) << "refused without a message";
            ++refusals;
            continue;
        }
        ++loads;
        if (entry.width >= 0) {
            EXPECT_EQ(data.GetWidth(), entry.width);
            EXPECT_EQ(data.GetHeight(), entry.height);
        }
        if (!entry.indexHash.empty()) {
            EXPECT_EQ(IndexHash(data), entry.indexHash);
        }
        if (entry.expected == "load" && entry.paletteEntries >= 0) {
            EXPECT_EQ(CountPaletteEntries(entry), entry.paletteEntries);
        }
    }
    std::cout << loads << " loaded, " << refusals << " refused\n";
}
