#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CSerializerImage;
class CSerializerImageFile;
class CStippleboxData;

// The bytes of a text read from a file.
std::vector<uint8_t> AsBytes(const std::string& text);

// The format the editor chooses to read a file by its extension.
CSerializerImage& FormatFor(const std::filesystem::path& path);

// Reads a file image held in memory through the serializer.
bool ReadFromBytes(CSerializerImageFile& serializer, std::vector<uint8_t> bytes, CStippleboxData& data,
                   bool allowWarnings = false);
// What reading gave: success, or the stored error text.
struct SReadOutcome {
    bool ok;
    std::string error;
};
SReadOutcome ReadOutcome(CSerializerImageFile& serializer, const std::vector<uint8_t>& bytes, CStippleboxData& data);

// The bytes the serializer writes for the document.
std::vector<uint8_t> WriteToBytes(CSerializerImageFile& serializer, CStippleboxData& data);

// A one-layer document of random indices below colorCount over a random palette.
std::unique_ptr<CStippleboxData> MakeRandomPicture(int width, int height, int colorCount, uint32_t seed);
// A one-layer document that looks like pixel art: flat areas, runs, a few colours.
std::unique_ptr<CStippleboxData> MakeBlockyPicture(int width, int height, uint32_t seed);
